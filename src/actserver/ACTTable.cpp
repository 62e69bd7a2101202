// One table of an open ACT! database with a cursor over its records.
#include "ACTTable.h"

#include "ActDatabaseState.h"
#include "ActError.h"
#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"
#include "platform/VbError.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace actserver {

ACTTable::ACTTable(std::shared_ptr<const ActDatabaseState> database, ActTableKind kind)
    : m_database(std::move(database)), m_def(&ActSchema::table(kind)), m_path(m_database->files.tableFile(kind))
{
}

ACTTable::~ACTTable() = default;

bool ACTTable::sessionOpen() const
{
    return m_database->open;
}

void ACTTable::setResult(long code)
{
    m_lastError = code;
    m_error = code != ActError::Success;
}

void ACTTable::fail(long code, const QString &description)
{
    setResult(code);
    throw platform::VbError(code, description, QStringLiteral("ACTTable"));
}

// False (with DBNotOpen) once the database was closed; throws when the file cannot be opened.
bool ACTTable::ensureOpen()
{
    if (!sessionOpen()) {
        setResult(ActError::DBNotOpen);
        return false;
    }
    if (m_file)
        return true;
    try {
        auto file = std::make_unique<dbf::DbfTable>(m_path);
        // Tables are mostly read from the first record to the last.
        file->setReadAhead(true);
        m_bindings = ActFieldReader::bind(*m_def, *file, &m_available);
        m_file = std::move(file);
    } catch (const dbf::DbfError &e) {
        fail(ActError::DBOpenFailed, e.message());
    }
    return true;
}

ACTFields ACTTable::Fields()
{
    if (!ensureOpen())
        fail(ActError::DBNotOpen, QStringLiteral("Die ACT!-Datenbank ist nicht geöffnet."));
    setResult(ActError::Success);
    return ACTFields(m_def, m_available);
}

long ACTTable::RecordCount()
{
    if (!ensureOpen())
        fail(ActError::DBNotOpen, QStringLiteral("Die ACT!-Datenbank ist nicht geöffnet."));
    try {
        m_file->refresh();
    } catch (const dbf::DbfError &e) {
        fail(ActError::DBDataCorrupt, e.message());
    }
    // Counting means reading the whole file; a file that has not changed since keeps its count.
    struct stat st = {};
    const bool stamped = ::stat(QFile::encodeName(m_path).constData(), &st) == 0;
    const qint64 mtime = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    if (stamped && m_countedRecords == m_file->recordCount() && m_countedSize == qint64(st.st_size)
        && m_countedMtime == mtime) {
        setResult(ActError::Success);
        return m_liveCount;
    }
    const long count = long(m_file->countUndeleted());
    m_liveCount = count;
    m_countedRecords = stamped ? m_file->recordCount() : -1;
    m_countedSize = qint64(st.st_size);
    m_countedMtime = mtime;
    setResult(ActError::Success);
    return count;
}

// A record whose bytes cannot even be fetched counts as present, so that reading it reports the fault.
bool ACTTable::isLive(qint64 index)
{
    try {
        return !m_file->record(index).isDeleted();
    } catch (const dbf::DbfError &) {
        return true;
    }
}

qint64 ACTTable::nextLive(qint64 from)
{
    const qint64 count = m_file->recordCount();
    for (qint64 i = qMax<qint64>(from, 0); i < count; ++i)
        if (isLive(i))
            return i;
    return count;
}

void ACTTable::MoveFirst()
{
    if (!ensureOpen())
        fail(ActError::DBNotOpen, QStringLiteral("Die ACT!-Datenbank ist nicht geöffnet."));
    try {
        m_file->refresh();
    } catch (const dbf::DbfError &e) {
        fail(ActError::DBDataCorrupt, e.message());
    }
    m_pos = nextLive(0);
    setResult(IsEOF() ? ActError::NoMoreData : ActError::Success);
}

void ACTTable::MoveNext()
{
    if (!m_file) {
        setResult(sessionOpen() ? ActError::NoMoreData : ActError::DBNotOpen);
        return;
    }
    if (!IsEOF())
        m_pos = nextLive(m_pos + 1);
    setResult(IsEOF() ? ActError::NoMoreData : ActError::Success);
}

bool ACTTable::IsEOF() const
{
    return !m_file || m_pos < 0 || m_pos >= m_file->recordCount();
}

int ACTTable::bindingOf(qint16 id) const
{
    for (int b = 0; b < m_bindings.size(); ++b)
        if (m_bindings.at(b).def->id == id && m_available.at(b))
            return b;
    return -1;
}

const QVector<int> &ACTTable::resolve(const QVector<qint16> &ids)
{
    if (ids != m_lastIds || m_lastMap.size() != ids.size()) {
        m_lastIds = ids;
        m_lastMap.resize(ids.size());
        for (int i = 0; i < ids.size(); ++i)
            m_lastMap[i] = bindingOf(ids.at(i));
    }
    return m_lastMap;
}

void ACTTable::GetDataEx(const QVector<qint16> &ids, QStringList &values)
{
    if (values.size() != ids.size())
        values.resize(ids.size());
    auto clearAll = [&values] {
        for (QString &v : values)
            v.resize(0);
    };
    if (!sessionOpen() || IsEOF()) {
        clearAll();
        setResult(sessionOpen() ? ActError::NoMoreData : ActError::DBNotOpen);
        return;
    }
    const QVector<int> &map = resolve(ids);
    long code = ActError::Success;
    try {
        const dbf::DbfRecord record = m_file->record(m_pos);
        const char flag = record.bytes().at(0);
        if (flag != ' ' && flag != '*') {
            clearAll();
            setResult(ActError::DBDataCorrupt);
            return;
        }
        for (int i = 0; i < map.size(); ++i) {
            const int b = map.at(i);
            if (b < 0) {
                values[i].resize(0);
                if (code == ActError::Success)
                    code = ActError::InvalidField;
            } else if (!ActFieldReader::read(*m_file, record, m_bindings.at(b), values[i])) {
                code = ActError::DBDataCorrupt;
            }
        }
    } catch (const dbf::DbfError &e) {
        clearAll();
        code = e.kind() == dbf::DbfError::Kind::Io ? ActError::IOFailed : ActError::DBDataCorrupt;
    }
    setResult(code);
}

QString ACTTable::Data(qint16 id)
{
    QStringList values;
    GetDataEx(QVector<qint16>{id}, values);
    return values.value(0);
}

bool ACTTable::readColumnText(const char *column, QString *out)
{
    out->clear();
    if (IsEOF()) {
        setResult(sessionOpen() ? ActError::NoMoreData : ActError::DBNotOpen);
        return false;
    }
    const int index = m_file->fieldIndex(QString::fromLatin1(column));
    if (index < 0) {
        setResult(ActError::InvalidField);
        return false;
    }
    try {
        *out = m_file->record(m_pos).text(index);
    } catch (const dbf::DbfError &) {
        setResult(ActError::DBDataCorrupt);
        return false;
    }
    setResult(ActError::Success);
    return true;
}

bool ACTTable::currentId(QString *id)
{
    return readColumnText(ActSchema::uniqueIdColumn(), id);
}

void ACTTable::buildIdIndex()
{
    m_idIndex.clear();
    const int column = m_file->fieldIndex(QString::fromLatin1(ActSchema::uniqueIdColumn()));
    const qint64 count = m_file->recordCount();
    QString key;
    for (qint64 i = 0; column >= 0 && i < count; ++i) {
        try {
            const dbf::DbfRecord record = m_file->record(i);
            if (record.isDeleted())
                continue;
            record.text(column, key);
            if (!m_idIndex.contains(key))
                m_idIndex.insert(key, i);
        } catch (const dbf::DbfError &) {
            // A damaged record cannot be found by its ID; the others still can.
        }
    }
    m_indexedCount = count;
}

void ACTTable::GoTo(const QString &uniqueId)
{
    if (!ensureOpen())
        return;
    if (uniqueId.size() > ActSchema::kIdLength) {
        setResult(ActError::InvalidId);
        return;
    }
    const QString id = uniqueId.leftJustified(ActSchema::kIdLength, QLatin1Char(' '));
    try {
        m_file->refresh();
    } catch (const dbf::DbfError &e) {
        fail(ActError::DBDataCorrupt, e.message());
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt == 1 || m_indexedCount != m_file->recordCount())
            buildIdIndex();
        const auto it = m_idIndex.constFind(id);
        if (it == m_idIndex.constEnd())
            continue;
        const qint64 saved = m_pos;
        m_pos = it.value();
        QString found;
        if (isLive(m_pos) && currentId(&found) && found == id) {
            setResult(ActError::Success);
            return;
        }
        m_pos = saved;
    }
    setResult(ActError::InvalidId);
}

void ACTTable::Delete()
{
    if (!ensureOpen())
        return;
    QString id;
    try {
        m_file->refresh();
    } catch (const dbf::DbfError &) {
        setResult(ActError::IOFailed);
        return;
    }
    if (IsEOF()) {
        setResult(ActError::NoMoreData);
        return;
    }
    if (!isLive(m_pos)) {
        setResult(ActError::DataDeleted);
        return;
    }
    currentId(&id);
    try {
        if (!m_writer)
            m_writer = std::make_unique<dbf::DbfWriter>(m_path);
        m_writer->setDeleted(m_pos, true);
        m_file->refresh();
    } catch (const dbf::DbfError &) {
        setResult(ActError::IOFailed);
        return;
    }
    // The write has changed the modification time already; set it explicitly all the same, so that
    // whoever compares file times (the data overview) sees the change.
    ::utimensat(AT_FDCWD, QFile::encodeName(m_path).constData(), nullptr, 0);
    m_idIndex.remove(id);
    m_countedRecords = -1;
    setResult(ActError::Success);
}

QString ACTTable::FirstScheduledWith()
{
    m_scheduled.clear();
    m_scheduledPos = 0;
    QString id;
    if (m_def->kind != ActTableKind::Activity) {
        setResult(ActError::Unsupported);
        return QString();
    }
    if (!currentId(&id))
        return QString();
    try {
        m_scheduled = m_schedules.contactsOf(m_database->files.tableFile(ActTableKind::Relation), id);
    } catch (const dbf::DbfError &) {
        setResult(ActError::IOFailed);
        return QString();
    }
    return NextScheduledWith();
}

QString ACTTable::NextScheduledWith()
{
    if (m_scheduledPos >= m_scheduled.size()) {
        setResult(m_def->kind == ActTableKind::Activity ? ActError::NoMoreData : ActError::Unsupported);
        return QString();
    }
    setResult(ActError::Success);
    return m_scheduled.at(m_scheduledPos++);
}

int ACTTable::GroupType()
{
    return GetParent().trimmed().isEmpty() ? 0 : 1;
}

QString ACTTable::GetParent()
{
    if (m_def->kind != ActTableKind::Group) {
        setResult(ActError::Unsupported);
        return QString();
    }
    QString parent;
    readColumnText("PARENT_ID", &parent);
    return parent;
}

} // namespace actserver
