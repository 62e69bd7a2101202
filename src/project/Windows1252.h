// Conversion between program text and the Windows-1252 bytes of INI files.
#pragma once

#include <QByteArray>
#include <QString>

namespace project::windows1252 {

// Every byte maps to one character and back, so decoding and encoding an unchanged text gives
// the very same bytes (the five bytes that Windows-1252 leaves undefined map to the C1 controls).
QString decode(const QByteArray &bytes);

// Characters that Windows-1252 cannot hold become '?', as the system's ANSI conversion does.
QByteArray encode(const QString &text);

// The first character of text that Windows-1252 cannot hold (both halves of a surrogate pair),
// "" when it holds them all.
QString firstUnencodable(const QString &text);

} // namespace project::windows1252
