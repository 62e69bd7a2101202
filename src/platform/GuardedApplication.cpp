// The application object that reports failures nobody trapped.
#include "GuardedApplication.h"

#include "UiServices.h"

#include <cstdio>

namespace platform {

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

GuardedApplication::~GuardedApplication() = default;

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        try {
            ReportFailure(failure);
        } catch (...) {
            // Not even the box can be shown: the failure goes to the log at least.
            std::fprintf(stderr, "Datolux: %s\n", qPrintable(FailureText(failure)));
        }
        return false;
    }
}

} // namespace platform
