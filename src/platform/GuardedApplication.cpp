// The application object that reports failures nobody trapped.
#include "GuardedApplication.h"

#include "UiServices.h"

namespace platform {

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

GuardedApplication::~GuardedApplication() = default;

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportFailure(std::current_exception());
        return false;
    }
}

} // namespace platform
