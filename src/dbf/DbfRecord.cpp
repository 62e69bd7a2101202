// Decoding the fields of one record; numbers and dates are parsed straight from the record bytes.
#include "DbfRecord.h"

#include "Cp1252.h"
#include "DbfError.h"
#include "DbfTable.h"

#include <cstdlib>
#include <cstring>

namespace dbf {

namespace {

bool isBlankByte(char c)
{
    return c == ' ' || c == '\0';
}

// Trims blanks (and, as some writers pad overflowing numbers, '*') on both sides.
void trimNumber(const char *&p, int &len)
{
    while (len > 0 && (isBlankByte(*p) || *p == '*'))
        ++p, --len;
    while (len > 0 && (isBlankByte(p[len - 1]) || p[len - 1] == '*'))
        --len;
}

// Whole numbers of up to 18 digits without allocation; false when the text is not one.
bool parseWhole(const char *p, int len, qlonglong &out)
{
    int i = 0;
    bool negative = false;
    if (i < len && (p[i] == '-' || p[i] == '+'))
        negative = p[i++] == '-';
    if (i == len || len - i > 18)
        return false;
    qlonglong v = 0;
    for (; i < len; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
        v = v * 10 + (p[i] - '0');
    }
    out = negative ? -v : v;
    return true;
}

bool parseReal(const char *p, int len, double &out)
{
    char buffer[64];
    if (len >= int(sizeof buffer))
        return false;
    for (int i = 0; i < len; ++i) {
        const char c = p[i];
        if (!((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == ',' || c == 'e' || c == 'E'))
            return false;
        buffer[i] = c == ',' ? '.' : c;
    }
    buffer[len] = '\0';
    char *end = nullptr;
    out = std::strtod(buffer, &end);
    return end == buffer + len;
}

int digits2(const char *p)
{
    return (p[0] - '0') * 10 + (p[1] - '0');
}

quint32 le32(const char *p)
{
    return quint32(quint8(p[0])) | (quint32(quint8(p[1])) << 8) | (quint32(quint8(p[2])) << 16) |
           (quint32(quint8(p[3])) << 24);
}

} // namespace

void DbfRecord::noSuchField(int field) const
{
    throw DbfError(DbfError::Kind::BadArgument, m_table->path(),
                   QStringLiteral("Feld %1 gibt es nicht (%2 Felder)").arg(field + 1).arg(m_fieldCount));
}

void DbfRecord::badValue(int field, const QString &what) const
{
    throw DbfError(DbfError::Kind::Damaged, m_table->path(),
                   QStringLiteral("das Feld %1 in Datensatz %2 enthält %3")
                       .arg(m_table->fields()[field].name)
                       .arg(m_index + 1)
                       .arg(what));
}

QByteArrayView DbfRecord::bytes() const
{
    return QByteArrayView(m_data, m_table->header().recordLength);
}

bool DbfRecord::isBlank(int field) const
{
    const DbfField &f = fieldAt(field);
    const char *p = m_data + f.offset;
    for (int i = 0; i < f.length; ++i)
        if (!isBlankByte(p[i]))
            return false;
    return true;
}

quint32 DbfRecord::memoBlock(int field) const
{
    const DbfField &f = fieldAt(field);
    const char *p = m_data + f.offset;
    if (f.length == 4)
        return le32(p);
    const char *q = p;
    int len = f.length;
    trimNumber(q, len);
    qlonglong block = 0;
    if (len == 0)
        return 0;
    if (!parseWhole(q, len, block) || block < 0 || block > 0xFFFFFFFFLL)
        badValue(field, QStringLiteral("keinen gültigen Memo-Verweis"));
    return quint32(block);
}

QVariant DbfRecord::number(int field, const DbfField &f) const
{
    const char *p = m_data + f.offset;
    int len = f.length;
    trimNumber(p, len);
    if (len == 0)
        return {};
    qlonglong whole = 0;
    if (f.type == DbfField::Numeric && f.decimals == 0 && parseWhole(p, len, whole))
        return whole;
    double real = 0;
    if (!parseReal(p, len, real))
        badValue(field, QStringLiteral("keine gültige Zahl"));
    return real;
}

QVariant DbfRecord::date(int field, const DbfField &f) const
{
    const char *p = m_data + f.offset;
    bool empty = true;
    for (int i = 0; i < f.length; ++i)
        empty = empty && (isBlankByte(p[i]) || p[i] == '0');
    if (empty)
        return {};
    bool digits = f.length == 8;
    for (int i = 0; digits && i < 8; ++i)
        digits = p[i] >= '0' && p[i] <= '9';
    const QDate d = digits ? QDate(digits2(p) * 100 + digits2(p + 2), digits2(p + 4), digits2(p + 6)) : QDate();
    if (!d.isValid())
        badValue(field, QStringLiteral("kein gültiges Datum"));
    return d;
}

QVariant DbfRecord::logical(int field, const DbfField &f) const
{
    switch (m_data[f.offset]) {
    case 'T': case 't': case 'Y': case 'y':
        return true;
    case 'F': case 'f': case 'N': case 'n':
        return false;
    case '?': case ' ': case '\0':
        return {};
    default:
        badValue(field, QStringLiteral("keinen gültigen Wahrheitswert"));
    }
}

QVariant DbfRecord::value(int field) const
{
    const DbfField &f = fieldAt(field);
    const char *p = m_data + f.offset;
    switch (f.type) {
    case DbfField::Character:
        return Cp1252::decode(p, f.length);
    case DbfField::Numeric:
    case DbfField::Float:
        return number(field, f);
    case DbfField::Date:
        return date(field, f);
    case DbfField::Logical:
        return logical(field, f);
    case DbfField::Integer:
        return f.length == 4 ? QVariant(int(le32(p))) : QVariant(QByteArray(p, f.length));
    case DbfField::Memo: {
        const quint32 block = memoBlock(field);
        if (block == 0)
            return {};
        const QByteArrayView bytes = m_table->memoView(block);
        return Cp1252::decode(bytes.data(), int(bytes.size()));
    }
    default:
        return QByteArray(p, f.length);
    }
}

QVariant DbfRecord::value(QStringView fieldName) const
{
    const int i = m_table->fieldIndex(fieldName);
    if (i < 0)
        throw DbfError(DbfError::Kind::BadArgument, m_table->path(),
                       QStringLiteral("es gibt kein Feld \"%1\"").arg(fieldName.toString()));
    return value(i);
}

void DbfRecord::text(int field, QString &out) const
{
    const DbfField &f = fieldAt(field);
    if (f.type == DbfField::Character)
        Cp1252::decode(m_data + f.offset, f.length, out);
    else
        out = value(field).toString();
}

QString DbfRecord::text(int field) const
{
    QString out;
    text(field, out);
    return out;
}

} // namespace dbf
