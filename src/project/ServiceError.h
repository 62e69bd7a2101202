// The error box of the workstation service procedures: "Error: {number}. {description}".
#pragma once

#include "platform/UiServices.h"

#include <QString>

namespace project {

// The box text the service procedures show for a trapped error.
QString serviceErrorText(long number, const QString &description);

// Shows the error in a box titled with the procedure's name; plain (no icon) unless told otherwise.
void showServiceError(const QString &procedure, long number, const QString &description,
                      platform::MsgIcon icon = platform::MsgIcon::None);

// Shows whatever escaped a service procedure: a VbError with its number, anything else as
// error 5 ("Unzulässiger Prozeduraufruf oder ungültiges Argument") with its own text.
void showTrappedError(const QString &procedure);

} // namespace project
