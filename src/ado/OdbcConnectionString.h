// Reads and writes ODBC connection strings: "key=value" items joined by ";", values in braces.
#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace ado {

// Keeps the items in their order and their keys' spelling; keys compare without case. Values in
// braces may hold ";" and "=", a "}" inside them is doubled.
class OdbcConnectionString final
{
public:
    OdbcConnectionString() = default;
    explicit OdbcConnectionString(const QString &text);

    bool contains(const QString &key) const;
    QString value(const QString &key) const;
    // Replaces the first item of that key (keeping its position and spelling) or appends one.
    void setValue(const QString &key, const QString &value);
    void remove(const QString &key);

    const QList<QPair<QString, QString>> &items() const { return m_items; }
    bool isEmpty() const { return m_items.isEmpty(); }

    QString toString() const;
    // A value written so that a driver reads it back unchanged.
    static QString quoteValue(const QString &value);

private:
    qsizetype indexOf(const QString &key) const;

    QList<QPair<QString, QString>> m_items;
};

} // namespace ado
