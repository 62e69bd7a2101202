// Maps SQLite's failures to DAO numbers with German texts.
#include "DaoErrors.h"

#include <QRegularExpression>

namespace dao {

void raise(long number, const QString &description)
{
    throw platform::VbError(number, description, QStringLiteral("DAO"));
}

void raiseSqlite(const QString &message, const QString &sql)
{
    static const QRegularExpression noTable(QStringLiteral("^no such table: (?:\\w+\\.)?(.*)$"));
    static const QRegularExpression noColumn(QStringLiteral("^no such column: (.*)$"));
    QRegularExpressionMatch m = noTable.match(message);
    if (m.hasMatch())
        raise(ErrTableNotFound,
              QStringLiteral("Die Eingabetabelle oder -abfrage '%1' wurde nicht gefunden. Stellen Sie sicher, dass "
                             "sie existiert und dass der Name richtig geschrieben ist.")
                  .arg(m.captured(1)));
    m = noColumn.match(message);
    if (m.hasMatch())
        raise(ErrTooFewParameters, QStringLiteral("Zu wenige Parameter. Erwartet 1. (Unbekanntes Feld '%1')").arg(m.captured(1)));
    if (message.contains(QLatin1String("may not be modified")) || message.contains(QLatin1String("read-only")))
        raise(ErrInvalidOperation, QStringLiteral("Ungültige Operation (nur Auswahlabfragen sind möglich)."));
    if (message.contains(QLatin1String("syntax error")) || message.contains(QLatin1String("unrecognized token")) ||
        message.contains(QLatin1String("incomplete input")) || message.contains(QLatin1String("no such function")) ||
        message.contains(QLatin1String("wrong number of arguments")))
        raise(ErrSyntaxInQuery, QStringLiteral("Syntaxfehler in Abfrageausdruck '%1'. (%2)").arg(sql, message));
    raise(ErrReserved, QStringLiteral("Reservierter Fehler (%1).").arg(message));
}

} // namespace dao
