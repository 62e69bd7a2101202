// Holder of the program-wide UI services.
#include "UiServices.h"

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

} // namespace platform
