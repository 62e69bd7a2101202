// Creating dBase tables and changing their records under the table's exclusive lock.
#include "DbfWriter.h"

#include "Cp1252.h"
#include "DbfError.h"
#include "platform/FileTransaction.h"

#include <QDateTime>
#include <QFileInfo>
#include <cmath>
#include <cstring>

namespace dbf {

namespace {

void putLe32(char *p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

void rightAligned(char *dst, int width, const QByteArray &text)
{
    std::memset(dst, ' ', size_t(width));
    std::memcpy(dst + width - text.size(), text.constData(), size_t(text.size()));
}

} // namespace

void DbfWriter::create(const QString &path, const DbfFieldList &fields, Format format, const QString &memoPath)
{
    if (fields.isEmpty())
        throw DbfError(DbfError::Kind::BadArgument, path, QStringLiteral("die Tabelle braucht mindestens ein Feld"));
    for (int i = 0; i < fields.size(); ++i) {
        const QString problem = fields[i].validate();
        if (!problem.isEmpty())
            throw DbfError(DbfError::Kind::BadArgument, path, problem);
        for (int j = 0; j < i; ++j)
            if (fields[j].name.compare(fields[i].name, Qt::CaseInsensitive) == 0)
                throw DbfError(DbfError::Kind::BadArgument, path,
                               QStringLiteral("der Feldname \"%1\" kommt zweimal vor").arg(fields[i].name));
    }
    qint64 recordLength = 1;
    for (const DbfField &f : fields)
        recordLength += f.length;
    if (recordLength > 65535 || fields.size() > 2000)
        throw DbfError(DbfError::Kind::BadArgument, path, QStringLiteral("die Datensätze wären zu lang"));
    DbfHeader header = DbfHeader::forFields(fields, format == Format::DBaseIII);
    QByteArray bytes = header.serialize();
    bytes.append(DbfHeader::kEndOfFile);

    // The table and its memo file are replaced together or not at all.
    platform::FileTransaction transaction;
    bool written = transaction.write(path, bytes);
    if (written && header.hasMemoFields()) {
        const MemoFile::Format memoFormat =
            format == Format::FoxPro ? MemoFile::Format::FoxPro : MemoFile::Format::DBase;
        written = transaction.write(memoPath.isEmpty() ? MemoFile::defaultPath(path, memoFormat) : memoPath,
                                    MemoFile::emptyFile(memoFormat));
    }
    if (!written || !transaction.commit())
        throw DbfError(DbfError::Kind::Io, path, transaction.reason());
}

DbfWriter::DbfWriter(const QString &path, const QString &memoPath) : m_memoPath(memoPath)
{
    m_file.open(path, LockedFile::Mode::ReadWrite);
    LockedFile::Guard guard(m_file, LockedFile::Lock::Shared);
    const qint64 size = m_file.size();
    char prefix[DbfHeader::kPrefixSize];
    const qint64 got = m_file.readAt(0, prefix, DbfHeader::kPrefixSize);
    const int headerLength = DbfHeader::storedHeaderLength(prefix, got);
    QByteArray bytes(qMax<qint64>(got, qMin<qint64>(size, headerLength)), Qt::Uninitialized);
    bytes.resize(m_file.readAt(0, bytes.data(), bytes.size()));
    m_header = DbfHeader::parse(bytes, size, path);
    // Dates, 32-bit numbers and memo references are written at their full size: a damaged
    // descriptor that gives them less room would have them written past the record.
    for (const DbfField &f : std::as_const(m_header.fields)) {
        const bool fits = f.type == DbfField::Date      ? f.length == 8
                          : f.type == DbfField::Integer ? f.length == 4
                          : f.isMemo()                  ? f.length == 4 || f.length == 10
                                                        : true;
        if (!fits)
            throw DbfError(DbfError::Kind::Damaged, path,
                           QStringLiteral("das Feld \"%1\" (Typ %2) hat die ungültige Länge %3")
                               .arg(f.name, QString(QChar::fromLatin1(f.type)))
                               .arg(f.length));
    }
}

DbfWriter::~DbfWriter() = default;

void DbfWriter::beginChange()
{
    if (m_depth++ > 0)
        return;
    m_file.lock(LockedFile::Lock::Exclusive);
    try {
        // Another process may have appended since we last looked.
        char prefix[DbfHeader::kPrefixSize];
        m_file.readExactly(0, prefix, DbfHeader::kPrefixSize, QStringLiteral("der Dateikopf ist zu kurz"));
        const quint32 count = quint32(quint8(prefix[4])) | (quint32(quint8(prefix[5])) << 8) |
                              (quint32(quint8(prefix[6])) << 16) | (quint32(quint8(prefix[7])) << 24);
        if (m_header.recordOffset(count) > m_file.size())
            throw DbfError(DbfError::Kind::Damaged, path(),
                           QStringLiteral("der Kopf nennt %1 Datensätze, die Datei ist aber kürzer").arg(count));
        m_header.recordCount = count;
    } catch (...) {
        m_depth = 0;
        m_file.unlock();
        throw;
    }
}

void DbfWriter::endChange()
{
    if (--m_depth == 0)
        m_file.unlock();
}

void DbfWriter::checkIndex(qint64 index) const
{
    if (index < 0 || index >= qint64(m_header.recordCount))
        throw DbfError(DbfError::Kind::BadArgument, path(),
                       QStringLiteral("Datensatz %1 gibt es nicht (%2 Datensätze)").arg(index + 1).arg(m_header.recordCount));
}

qint64 DbfWriter::append(const QVariantList &values)
{
    Batch scope(*this);
    QByteArray record = encodeRecord(values, ' ');
    const qint64 index = m_header.recordCount;
    record.append(DbfHeader::kEndOfFile);
    m_file.writeAt(m_header.recordOffset(index), record.constData(), record.size());
    char prefix[8];
    m_file.readExactly(0, prefix, 8, QStringLiteral("der Dateikopf ist zu kurz"));
    DbfHeader::patchCountAndDate(prefix, quint32(index + 1), QDate::currentDate());
    m_file.writeAt(1, prefix + 1, 7);
    m_header.recordCount = quint32(index + 1);
    return index;
}

void DbfWriter::update(qint64 index, const QVariantList &values)
{
    Batch scope(*this);
    checkIndex(index);
    char flag = ' ';
    m_file.readExactly(m_header.recordOffset(index), &flag, 1, QStringLiteral("die Datei endet vor Datensatz %1").arg(index + 1));
    const QByteArray record = encodeRecord(values, flag);
    m_file.writeAt(m_header.recordOffset(index), record.constData(), record.size());
}

void DbfWriter::setValue(qint64 index, int field, const QVariant &value)
{
    Batch scope(*this);
    checkIndex(index);
    if (field < 0 || field >= m_header.fields.size())
        throw DbfError(DbfError::Kind::BadArgument, path(), QStringLiteral("Feld %1 gibt es nicht").arg(field + 1));
    const DbfField &f = m_header.fields[field];
    QByteArray bytes(f.length, ' ');
    encodeField(bytes.data(), f, value);
    m_file.writeAt(m_header.recordOffset(index) + f.offset, bytes.constData(), bytes.size());
}

void DbfWriter::setDeleted(qint64 index, bool deleted)
{
    Batch scope(*this);
    checkIndex(index);
    const char flag = deleted ? '*' : ' ';
    m_file.writeAt(m_header.recordOffset(index), &flag, 1);
}

QByteArray DbfWriter::encodeRecord(const QVariantList &values, char deletedFlag)
{
    if (values.size() > m_header.fields.size())
        throw DbfError(DbfError::Kind::BadArgument, path(),
                       QStringLiteral("%1 Werte für %2 Felder").arg(values.size()).arg(m_header.fields.size()));
    QByteArray record(m_header.recordLength, ' ');
    record[0] = deletedFlag;
    // Check every value before any memo is written, so a bad value leaves the memo file alone.
    for (int i = 0; i < m_header.fields.size(); ++i) {
        const DbfField &f = m_header.fields[i];
        if (!f.isMemo())
            encodeField(record.data() + f.offset, f, i < values.size() ? values[i] : QVariant());
    }
    for (int i = 0; i < m_header.fields.size(); ++i) {
        const DbfField &f = m_header.fields[i];
        if (f.isMemo())
            encodeField(record.data() + f.offset, f, i < values.size() ? values[i] : QVariant());
    }
    return record;
}

void DbfWriter::badValue(const DbfField &field, const QString &what) const
{
    throw DbfError(DbfError::Kind::BadValue, path(), QStringLiteral("Feld %1: %2").arg(field.name, what));
}

MemoFile &DbfWriter::memoFile()
{
    if (!m_memo) {
        QString memoPath = m_memoPath.isEmpty() ? MemoFile::find(path()) : m_memoPath;
        if (memoPath.isEmpty()) {
            const bool dBase = m_header.version == 0x83 || m_header.version == 0x8B;
            memoPath = MemoFile::defaultPath(path(), dBase ? MemoFile::Format::DBase : MemoFile::Format::FoxPro);
            // Only a table without records can start a memo file: the memos its records point to
            // would be missing from a new one.
            if (m_header.recordCount > 0)
                throw DbfError(DbfError::Kind::MemoMissing, path(),
                               QStringLiteral("es gibt keine Datei %1").arg(memoPath));
            MemoFile::create(memoPath, MemoFile::formatOf(memoPath));
        }
        auto memo = std::make_unique<MemoFile>();
        memo->open(memoPath, LockedFile::Mode::ReadWrite);
        m_memo = std::move(memo);
    }
    return *m_memo;
}

void DbfWriter::encodeField(char *dst, const DbfField &f, const QVariant &value)
{
    const bool null = value.isNull() || !value.isValid();
    switch (f.type) {
    case DbfField::Character: {
        std::memset(dst, ' ', size_t(f.length));
        const QByteArray bytes = Cp1252::encode(value.toString());
        std::memcpy(dst, bytes.constData(), size_t(qMin<qsizetype>(bytes.size(), f.length)));
        return;
    }
    case DbfField::Numeric:
    case DbfField::Float: {
        std::memset(dst, ' ', size_t(f.length));
        if (null || (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty()))
            return;
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            badValue(f, QStringLiteral("\"%1\" ist keine Zahl").arg(value.toString()));
        const bool whole = value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int ||
                           value.typeId() == QMetaType::ULongLong || value.typeId() == QMetaType::UInt;
        const QByteArray text = f.decimals == 0 && whole ? QByteArray::number(value.toLongLong())
                                                         : QByteArray::number(d, 'f', f.decimals);
        if (text.size() > f.length)
            badValue(f, QStringLiteral("die Zahl %1 passt nicht in %2 Stellen").arg(QString::fromLatin1(text)).arg(f.length));
        rightAligned(dst, f.length, text);
        return;
    }
    case DbfField::Date: {
        std::memset(dst, ' ', 8);
        if (null)
            return;
        QDate d = value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate();
        if (!d.isValid() && value.typeId() == QMetaType::QString)
            d = QDate::fromString(value.toString(), QStringLiteral("yyyyMMdd"));
        if (!d.isValid() || d.year() < 1 || d.year() > 9999)
            badValue(f, QStringLiteral("\"%1\" ist kein Datum").arg(value.toString()));
        std::memcpy(dst, d.toString(QStringLiteral("yyyyMMdd")).toLatin1().constData(), 8);
        return;
    }
    case DbfField::Logical:
        *dst = null ? '?' : value.toBool() ? 'T' : 'F';
        return;
    case DbfField::Integer: {
        bool ok = true;
        const qlonglong v = null ? 0 : value.toLongLong(&ok);
        if (!ok || v < INT32_MIN || v > INT32_MAX)
            badValue(f, QStringLiteral("\"%1\" ist keine 32-Bit-Zahl").arg(value.toString()));
        putLe32(dst, quint32(qint32(v)));
        return;
    }
    case DbfField::Memo: {
        const QString text = null ? QString() : value.toString();
        quint32 block = 0;
        if (!text.isEmpty())
            block = memoFile().append(Cp1252::encode(text));
        if (f.length == 4)
            putLe32(dst, block);
        else if (block == 0)
            std::memset(dst, ' ', size_t(f.length));
        else
            rightAligned(dst, f.length, QByteArray::number(block));
        return;
    }
    default:
        std::memset(dst, ' ', size_t(f.length));
        if (!null) {
            const QByteArray raw = value.toByteArray();
            std::memcpy(dst, raw.constData(), size_t(qMin<qsizetype>(raw.size(), f.length)));
        }
    }
}

} // namespace dbf
