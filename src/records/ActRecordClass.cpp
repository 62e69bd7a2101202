// The shared part of the notes, sales and activities record classes: Init, the fixed field set with
// the users, reading, loading and the show operation towards the running ACT!.
#include "ActRecordClass.h"

#include "ActFieldList.h"

#include "ActTableSource.h"
#include "RunningACT.h"
#include "SourceFiles.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/ACTTable.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"

namespace records {

ActRecordClass::ActRecordClass(TableKind kind) : RecordClassBase(kind) {}

ActRecordClass::~ActRecordClass()
{
    releaseControl();
    m_fields.reset();
    m_table.reset();
}

bool ActRecordClass::Init(InfoZoomControl *izControl, QLabel *Status,
                          std::shared_ptr<actserver::ACTDatabaseObject> ACTOLEDatabase)
{
    m_database = std::move(ACTOLEDatabase);
    m_fields.reset();
    m_table.reset();
    if (m_database) {
        m_table = tableOf(*m_database);
        // A table file that cannot be opened is reported by the field set-up, which asks again.
        try {
            if (m_table)
                m_fields = std::make_unique<actserver::ACTFields>(m_table->Fields());
        } catch (const platform::VbError &) {
            m_fields.reset();
        }
    }
    keepControl(izControl, Status);
    return true;
}

bool ActRecordClass::setFixedFields(const FixedField *fields, int count)
{
    if (!m_database) {
        platform::ui().msgBox(QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."), platform::MsgIcon::Information);
        return false;
    }
    if (!m_fields && m_table)
        m_fields = std::make_unique<actserver::ACTFields>(m_table->Fields());
    QStringList labels;
    QVector<qint16> ids;
    QVector<int> types;
    for (int i = 0; i < count; ++i) {
        labels << (m_fields ? m_fields->Label(fields[i].id) : QString());
        ids << fields[i].id;
        types << fields[i].type;
    }
    setFieldArrays(labels, ids, types);
    m_users = UserNamesByID(*m_database);
    m_usersBuilt = true;
    return true;
}

void ActRecordClass::ShowData()
{
    if (m_fieldCount == 0)
        return;
    ActTableSource source(m_table.get());
    showDataFrame(source);
}

bool ActRecordClass::SourceFilesReadable()
{
    return !m_table || SourceTablesReadable(m_database.get(), {m_table->kind()}, m_fieldIDs, kind().tableName);
}

void ActRecordClass::LoadData(const QString &sFoxDatei)
{
    loadDataFrame(sFoxDatei, [] { return true; });
}

bool ActRecordClass::isBlank(const QString &text)
{
    for (const QChar c : text)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

QString ActRecordClass::firstLine(const QString &text)
{
    const qsizetype end = text.indexOf(QLatin1String("\r\n"));
    return end < 0 ? text : text.left(end);
}

} // namespace records
