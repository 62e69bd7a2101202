// Lists drivers and data sources with SQLDrivers and SQLDataSources.
#include "ado/OdbcCatalog.h"

#include "ado/OdbcEnvironment.h"
#include "platform/VbError.h"

namespace ado {
namespace {

// "key=value\0key=value\0\0" as SQLDrivers writes it.
QMap<QString, QString> parseAttributes(const SQLWCHAR *text, qsizetype length)
{
    QMap<QString, QString> attributes;
    const QString all = fromOdbcText(text, length);
    for (const QString &pair : all.split(QChar(0), Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq > 0)
            attributes.insert(pair.left(eq), pair.mid(eq + 1));
    }
    return attributes;
}

SQLHENV environmentOrNull()
{
    try {
        return odbcEnvironment();
    } catch (const platform::VbError &) {
        return SQL_NULL_HENV;
    }
}

} // namespace

QList<OdbcDriver> installedOdbcDrivers()
{
    QList<OdbcDriver> drivers;
    SQLHENV env = environmentOrNull();
    if (env == SQL_NULL_HENV)
        return drivers;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    for (;;) {
        SQLWCHAR name[512] = {};
        SQLWCHAR attributes[4096] = {};
        SQLSMALLINT nameLength = 0, attributesLength = 0;
        const SQLRETURN rc = SQLDriversW(env, direction, name, 512, &nameLength, attributes, 4096, &attributesLength);
        if (!odbcSucceeded(rc))
            break;
        direction = SQL_FETCH_NEXT;
        OdbcDriver driver;
        driver.name = fromOdbcText(name, qMin<qsizetype>(nameLength, 511));
        driver.attributes = parseAttributes(attributes, qMin<qsizetype>(attributesLength, 4095));
        if (!driver.name.isEmpty())
            drivers.append(driver);
    }
    return drivers;
}

QList<OdbcDataSource> odbcDataSources()
{
    QList<OdbcDataSource> sources;
    SQLHENV env = environmentOrNull();
    if (env == SQL_NULL_HENV)
        return sources;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    for (;;) {
        SQLWCHAR name[SQL_MAX_DSN_LENGTH + 1] = {};
        SQLWCHAR description[512] = {};
        SQLSMALLINT nameLength = 0, descriptionLength = 0;
        const SQLRETURN rc = SQLDataSourcesW(env, direction, name, SQL_MAX_DSN_LENGTH + 1, &nameLength, description,
                                             512, &descriptionLength);
        if (!odbcSucceeded(rc))
            break;
        direction = SQL_FETCH_NEXT;
        const QString dsn = fromOdbcText(name, qMin<qsizetype>(nameLength, SQL_MAX_DSN_LENGTH));
        if (!dsn.isEmpty())
            sources.append({dsn, fromOdbcText(description, qMin<qsizetype>(descriptionLength, 511))});
    }
    return sources;
}

} // namespace ado
