// Turns the stored bytes of one ACT! field into the text the database object hands out.
#include "ActFieldReader.h"

#include "dbf/Cp1252.h"
#include "dbf/DbfError.h"
#include "dbf/DbfRecord.h"
#include "dbf/DbfTable.h"

namespace actserver {

namespace {

bool isBlankByte(char c)
{
    return c == ' ' || c == '\0';
}

void trimBoth(const char *&begin, const char *&end)
{
    while (begin < end && isBlankByte(*begin))
        ++begin;
    while (end > begin && isBlankByte(end[-1]))
        --end;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool readNumber(const char *begin, const char *end, QString &out)
{
    trimBoth(begin, end);
    const char *p = begin;
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    bool digits = false;
    bool point = false;
    for (; p < end; ++p) {
        if (isDigit(*p))
            digits = true;
        else if (*p == '.' && !point)
            point = true;
        else
            return false;
    }
    if (begin != end && !digits)
        return false;
    dbf::Cp1252::decode(begin, int(end - begin), out);
    return true;
}

int twoDigits(const char *p)
{
    return (p[0] - '0') * 10 + (p[1] - '0');
}

void putTwo(QChar *d, int v)
{
    d[0] = QChar(u'0' + v / 10);
    d[1] = QChar(u'0' + v % 10);
}

// A time column holds "hh:mm" or "hh:mm:ss"; appended as " hh:mm:ss".
bool appendTime(const char *begin, const char *end, QString &out)
{
    trimBoth(begin, end);
    if (begin == end)
        return true;
    const qsizetype len = end - begin;
    if ((len != 5 && len != 8) || !isDigit(begin[0]) || !isDigit(begin[1]) || begin[2] != ':' || !isDigit(begin[3]) ||
        !isDigit(begin[4]) || (len == 8 && (begin[5] != ':' || !isDigit(begin[6]) || !isDigit(begin[7]))))
        return false;
    const int h = twoDigits(begin), m = twoDigits(begin + 3), s = len == 8 ? twoDigits(begin + 6) : 0;
    if (h > 23 || m > 59 || s > 59)
        return false;
    const qsizetype at = out.size();
    out.resize(at + 9);
    QChar *d = out.data() + at;
    d[0] = QChar(u' ');
    putTwo(d + 1, h);
    d[3] = QChar(u':');
    putTwo(d + 4, m);
    d[6] = QChar(u':');
    putTwo(d + 7, s);
    return true;
}

bool readDate(const char *begin, const char *end, QString &out)
{
    const char *b = begin, *e = end;
    trimBoth(b, e);
    if (b == e) {
        out.clear();
        return true;
    }
    if (end - begin != 8)
        return false;
    for (const char *p = begin; p < end; ++p)
        if (!isDigit(*p))
            return false;
    const int year = twoDigits(begin) * 100 + twoDigits(begin + 2);
    const int month = twoDigits(begin + 4), day = twoDigits(begin + 6);
    if (!QDate::isValid(year, month, day))
        return false;
    out.resize(10);
    QChar *d = out.data();
    putTwo(d, day);
    d[2] = QChar(u'.');
    putTwo(d + 3, month);
    d[5] = QChar(u'.');
    putTwo(d + 6, year / 100);
    putTwo(d + 8, year % 100);
    return true;
}

bool readMemo(const dbf::DbfTable &table, const dbf::DbfRecord &record, int column, QString &out)
{
    try {
        const QByteArrayView bytes = table.memoView(record.memoBlock(column));
        dbf::Cp1252::decode(bytes.data(), int(bytes.size()), out);
        return true;
    } catch (const dbf::DbfError &) {
        return false;
    }
}

} // namespace

QList<ActFieldReader::Binding> ActFieldReader::bind(const ActTableDef &def, const dbf::DbfTable &table,
                                                    QList<bool> *available)
{
    QList<Binding> bindings;
    available->clear();
    for (const ActFieldDef &f : def.fields) {
        Binding b;
        b.def = &f;
        b.fullWidth = f.type == ActFieldType::Id;
        bool present = true;
        if (f.column) {
            b.column = table.fieldIndex(QString::fromLatin1(f.column));
            present = b.column >= 0;
            if (present)
                b.columnType = table.fields().at(b.column).type;
        }
        if (f.timeColumn)
            b.timeColumn = table.fieldIndex(QString::fromLatin1(f.timeColumn));
        bindings.append(b);
        available->append(present);
    }
    return bindings;
}

bool ActFieldReader::readOther(const dbf::DbfTable &table, const dbf::DbfRecord &record, const Binding &binding,
                               QString &out)
{
    if (binding.column < 0) {
        out.clear();
        return true;
    }
    const QByteArrayView raw = record.raw(binding.column);
    const char *begin = raw.data();
    const char *end = begin + raw.size();
    bool ok = true;
    switch (binding.columnType) {
    case 'N':
    case 'F':
        ok = readNumber(begin, end, out);
        break;
    case 'D':
        ok = readDate(begin, end, out);
        if (ok && binding.timeColumn >= 0 && !out.isEmpty()) {
            const QByteArrayView time = record.raw(binding.timeColumn);
            ok = appendTime(time.data(), time.data() + time.size(), out);
        }
        break;
    case 'M':
        ok = readMemo(table, record, binding.column, out);
        break;
    default:
        try {
            out = record.value(binding.column).toString();
        } catch (const dbf::DbfError &) {
            ok = false;
        }
        break;
    }
    if (!ok)
        out.clear();
    return ok;
}

} // namespace actserver
