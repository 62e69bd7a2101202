// Writing a dBase table: create with a field list, append, update in place, mark deleted.
// Every change happens under the table's exclusive advisory lock and re-reads the record count
// first, so writers in several processes append after each other instead of over each other.
#pragma once

#include "DbfHeader.h"
#include "LockedFile.h"
#include "MemoFile.h"

#include <QVariant>
#include <QVariantList>
#include <memory>

namespace dbf {

class DbfWriter
{
public:
    enum class Format { FoxPro, DBaseIII };

    // Writes an empty table (and its empty memo file when a field is a memo) beside the old files and
    // replaces them together, so existing files are replaced whole or not at all. Throws DbfError.
    static void create(const QString &path, const DbfFieldList &fields, Format format = Format::FoxPro,
                       const QString &memoPath = QString());

    // Opens an existing table for writing. Throws DbfError.
    explicit DbfWriter(const QString &path, const QString &memoPath = QString());
    ~DbfWriter();
    DbfWriter(const DbfWriter &) = delete;
    DbfWriter &operator=(const DbfWriter &) = delete;

    QString path() const { return m_file.path(); }
    const DbfFieldList &fields() const { return m_header.fields; }
    // The record count as of the last change or batch (another process may have appended since).
    qint64 recordCount() const { return m_header.recordCount; }

    // Values in field order; missing trailing values are blank. Returns the new record's index.
    // Texts are stored in Windows-1252 and cut to the field width; a number that does not fit, or a
    // value that is not one of the field's type, throws DbfError (BadValue) and writes nothing.
    qint64 append(const QVariantList &values);
    void update(qint64 index, const QVariantList &values);
    void setValue(qint64 index, int field, const QVariant &value);
    void setDeleted(qint64 index, bool deleted = true);

    // Holds the lock over many changes, so that no other writer comes between them and the lock is
    // taken once instead of once per change.
    class Batch
    {
    public:
        explicit Batch(DbfWriter &writer) : m_writer(writer) { m_writer.beginChange(); }
        ~Batch() { m_writer.endChange(); }
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        DbfWriter &m_writer;
    };

private:
    void beginChange();
    void endChange();
    void checkIndex(qint64 index) const;
    QByteArray encodeRecord(const QVariantList &values, char deletedFlag);
    void encodeField(char *dst, const DbfField &field, const QVariant &value);
    MemoFile &memoFile();
    [[noreturn]] void badValue(const DbfField &field, const QString &what) const;

    LockedFile m_file;
    DbfHeader m_header;
    QString m_memoPath;
    std::unique_ptr<MemoFile> m_memo;
    int m_depth = 0;
    bool m_dirty = false;
};

} // namespace dbf
