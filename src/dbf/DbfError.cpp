// Builds the user-facing sentences of the dBase errors.
#include "DbfError.h"

namespace dbf {

DbfError::DbfError(Kind kind, const QString &file, const QString &problem)
    : std::runtime_error(compose(kind, file, problem).toStdString()), m_kind(kind), m_file(file), m_problem(problem),
      m_message(compose(kind, file, problem))
{
}

QString DbfError::compose(Kind kind, const QString &file, const QString &problem)
{
    switch (kind) {
    case Kind::CannotOpen:
        return QStringLiteral("Die dBase-Datei \"%1\" kann nicht geöffnet werden: %2.").arg(file, problem);
    case Kind::Damaged:
        return QStringLiteral("Die dBase-Datei \"%1\" ist beschädigt: %2.").arg(file, problem);
    case Kind::MemoMissing:
        return QStringLiteral("Die Memodatei zu \"%1\" fehlt: %2.").arg(file, problem);
    case Kind::MemoDamaged:
        return QStringLiteral("Die Memodatei \"%1\" ist beschädigt: %2.").arg(file, problem);
    case Kind::BadValue:
        return QStringLiteral("Ein Wert kann nicht in die dBase-Datei \"%1\" geschrieben werden: %2.").arg(file, problem);
    case Kind::BadArgument:
        return QStringLiteral("Ungültiger Zugriff auf die dBase-Datei \"%1\": %2.").arg(file, problem);
    case Kind::Io:
        break;
    }
    return QStringLiteral("Fehler beim Zugriff auf die dBase-Datei \"%1\": %2.").arg(file, problem);
}

} // namespace dbf
