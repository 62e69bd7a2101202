// The application object of the program: a failure that escapes an event handler (a dialog's
// button, a timer, a window's own event) is reported in the failure box, and the program goes on.
#pragma once

#include <QApplication>

namespace platform {

class GuardedApplication final : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuardedApplication)

public:
    GuardedApplication(int &argc, char **argv);
    ~GuardedApplication() override;

    // Commands and tables trap their own failures; this is the net below them, so that nothing
    // thrown ever leaves the event loop.
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace platform
