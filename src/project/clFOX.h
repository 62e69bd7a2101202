// The descriptor of one data table of a project: its table file, the date of its data, the import
// names that link its rows to the other table and, for external data, where the rows come from.
// A plain value holder with a changed flag; it reads and writes no files itself.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace project {

class clFOX
{
public:
    clFOX();

    // Every setter but setIsChanged marks the descriptor changed, also when the value stays the same.
    QDateTime Datum() const { return m_datum; }
    void setDatum(const QDateTime &value);
    // Full path of the table file; "" when none is recorded.
    QString Datei() const { return m_datei; }
    void setDatei(const QString &value);
    // Import names (never display names) of the sync and the unique-ID attribute.
    QString SyncFeldName() const { return m_syncFeldName; }
    void setSyncFeldName(const QString &value);
    QString UniqueIDFeldName() const { return m_uniqueIDFeldName; }
    void setUniqueIDFeldName(const QString &value);
    // Connection string and query of external data. Never assigned, they read as "" but stay unset,
    // which removes their keys from the project file instead of writing empty ones.
    QString ConnectionString() const { return m_connectionString.value_or(QString()); }
    void setConnectionString(const QString &value);
    QString SQLString() const { return m_sqlString.value_or(QString()); }
    void setSQLString(const QString &value);
    std::optional<QString> connectionStringValue() const { return m_connectionString; }
    std::optional<QString> sqlStringValue() const { return m_sqlString; }

    bool IsChanged() const { return m_isChanged; }
    void setIsChanged(bool value) { m_isChanged = value; }

private:
    QString m_datei;
    QDateTime m_datum;
    QString m_syncFeldName;
    QString m_uniqueIDFeldName;
    std::optional<QString> m_connectionString;
    std::optional<QString> m_sqlString;
    bool m_isChanged = false;
};

} // namespace project
