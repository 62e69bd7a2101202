// Error boxes shared by the INI, file, folder, dialog and shell service procedures.
#include "ServiceError.h"

#include "platform/VbError.h"

#include <exception>

namespace project {

QString serviceErrorText(long number, const QString &description)
{
    return QStringLiteral("Error: %1. %2").arg(number).arg(description);
}

void showServiceError(const QString &procedure, long number, const QString &description, platform::MsgIcon icon)
{
    platform::ui().msgBox(serviceErrorText(number, description), icon, platform::MsgButtons::OK, procedure);
}

void showTrappedError(const QString &procedure)
{
    // Must be called from inside a catch block: it rethrows the current exception to classify it.
    try {
        throw;
    } catch (const platform::VbError &e) {
        showServiceError(procedure, e.number(), e.description());
    } catch (const std::bad_alloc &) {
        showServiceError(procedure, 7, QStringLiteral("Nicht genügend Speicher"));
    } catch (const std::exception &e) {
        showServiceError(procedure, 5, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showServiceError(procedure, 5, QStringLiteral("Unzulässiger Prozeduraufruf oder ungültiges Argument"));
    }
}

} // namespace project
