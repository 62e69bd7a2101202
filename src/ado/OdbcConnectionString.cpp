// Parses and builds ODBC connection strings.
#include "ado/OdbcConnectionString.h"

namespace ado {
namespace {

// Reads a braced value starting at text[pos] == '{'; returns the position after the closing brace.
qsizetype readBraced(const QString &text, qsizetype pos, QString *value)
{
    ++pos;
    while (pos < text.size()) {
        const QChar c = text.at(pos);
        if (c == QLatin1Char('}')) {
            if (pos + 1 < text.size() && text.at(pos + 1) == QLatin1Char('}')) {
                value->append(c);
                pos += 2;
                continue;
            }
            return pos + 1;
        }
        value->append(c);
        ++pos;
    }
    return pos; // unterminated: the rest is the value
}

} // namespace

OdbcConnectionString::OdbcConnectionString(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype eq = text.indexOf(QLatin1Char('='), pos);
        const qsizetype semi = text.indexOf(QLatin1Char(';'), pos);
        if (eq < 0 || (semi >= 0 && semi < eq)) {
            // An item without "=" carries no value; skip it.
            if (semi < 0)
                break;
            pos = semi + 1;
            continue;
        }
        const QString key = text.mid(pos, eq - pos).trimmed();
        qsizetype valueStart = eq + 1;
        while (valueStart < text.size() && text.at(valueStart) == QLatin1Char(' '))
            ++valueStart;
        QString value;
        if (valueStart < text.size() && text.at(valueStart) == QLatin1Char('{')) {
            pos = readBraced(text, valueStart, &value);
            const qsizetype next = text.indexOf(QLatin1Char(';'), pos);
            pos = next < 0 ? text.size() : next + 1;
        } else {
            const qsizetype next = text.indexOf(QLatin1Char(';'), valueStart);
            value = text.mid(valueStart, next < 0 ? -1 : next - valueStart).trimmed();
            pos = next < 0 ? text.size() : next + 1;
        }
        if (!key.isEmpty())
            m_items.append({key, value});
    }
}

qsizetype OdbcConnectionString::indexOf(const QString &key) const
{
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).first.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool OdbcConnectionString::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

QString OdbcConnectionString::value(const QString &key) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? QString() : m_items.at(i).second;
}

void OdbcConnectionString::setValue(const QString &key, const QString &value)
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        m_items.append({key, value});
    else
        m_items[i].second = value;
}

void OdbcConnectionString::remove(const QString &key)
{
    for (qsizetype i = m_items.size() - 1; i >= 0; --i) {
        if (m_items.at(i).first.compare(key, Qt::CaseInsensitive) == 0)
            m_items.removeAt(i);
    }
}

QString OdbcConnectionString::quoteValue(const QString &value)
{
    const bool plain = !value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('{')) &&
                       !value.contains(QLatin1Char('}')) && !value.contains(QLatin1Char('=')) &&
                       !value.contains(QLatin1Char(' ')) && value.trimmed() == value;
    if (plain)
        return value;
    QString escaped = value;
    escaped.replace(QLatin1String("}"), QLatin1String("}}"));
    return QLatin1Char('{') + escaped + QLatin1Char('}');
}

QString OdbcConnectionString::toString() const
{
    QStringList parts;
    for (const auto &item : m_items)
        parts.append(item.first + QLatin1Char('=') + quoteValue(item.second));
    return parts.join(QLatin1Char(';'));
}

} // namespace ado
