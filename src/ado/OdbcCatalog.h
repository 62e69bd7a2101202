// The ODBC drivers and data sources installed on this machine, as the driver manager lists them.
#pragma once

#include <QList>
#include <QMap>
#include <QString>

namespace ado {

struct OdbcDriver
{
    QString name;
    QMap<QString, QString> attributes; // from odbcinst.ini: Description, Driver, Setup, ...
};

struct OdbcDataSource
{
    QString name;
    QString driverDescription;
};

// Both return an empty list when the driver manager has none (never throw).
QList<OdbcDriver> installedOdbcDrivers();
QList<OdbcDataSource> odbcDataSources();

} // namespace ado
