// Holder of the program-wide UI services.
#include "UiServices.h"

#include "VbError.h"

#include <new>

#include <cstdlib>
#include <cstdio>

namespace platform {

namespace {
UiServices *g_services = nullptr;
}

UiServices &ui()
{
    if (!g_services) {
        std::fputs("Datolux: UI services used before they were installed\n", stderr);
        std::abort();
    }
    return *g_services;
}

void setUi(UiServices *services) { g_services = services; }

QString defaultTitle() { return QStringLiteral("Datolux"); }

QString FailureText(const std::exception_ptr &failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const VbError &error) {
        return QStringLiteral("Fehler %1: %2").arg(error.number()).arg(error.description());
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Fehler 7: Nicht genügend Speicher.");
    } catch (const std::exception &error) {
        return QStringLiteral("Fehler: %1").arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        return QStringLiteral("Fehler: Ein unerwarteter Fehler ist aufgetreten.");
    }
}

void ReportFailure(const std::exception_ptr &failure) noexcept
{
    try {
        ui().msgBox(FailureText(failure), MsgIcon::Exclamation, MsgButtons::OK);
    } catch (...) {
        std::fprintf(stderr, "Datolux: %s\n", qPrintable(FailureText(failure)));
    }
}

} // namespace platform
