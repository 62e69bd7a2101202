// The activities record class: set-up, fixed fields, loading and showing an activity in ACT!. The
// transfer of the records lies in clAufgabenTransfer.cpp.
#include "clAufgaben.h"

#include "ActActivitySource.h"
#include "FieldValues.h"
#include "RunningACT.h"
#include "SourceFiles.h"
#include "actserver/ACTDatabaseObject.h"
#include "clGruppenliste.h"
#include "platform/UiServices.h"
#include "infozoom/InfoZoomControl.h"


namespace records {

namespace {

// One row of the activities' fixed field table, in the attribute order of a new table.
struct ActivityField
{
    qint16 id;
    int code;
};

constexpr ActivityField kFields[] = {
    {1, FieldTypeCode::IdOrName},     {28, FieldTypeCode::DateTime},     {29, FieldTypeCode::DateTime},
    {30, FieldTypeCode::WholeNumber}, {101, FieldTypeCode::WholeNumber}, {31, FieldTypeCode::Text},
    {25, FieldTypeCode::Text},        {41, FieldTypeCode::Text},         {26, FieldTypeCode::Text},
    {27, FieldTypeCode::Text},        {100, FieldTypeCode::WholeNumber}, {40, FieldTypeCode::IdOrName},
    {37, FieldTypeCode::IdOrName},    {38, FieldTypeCode::IdOrName},     {5, FieldTypeCode::Text},
    {33, FieldTypeCode::Text},        {32, FieldTypeCode::WholeNumber},  {45, FieldTypeCode::Text},
    {35, FieldTypeCode::Text},        {36, FieldTypeCode::Text},         {44, FieldTypeCode::DateTime},
    {43, FieldTypeCode::Text},        {42, FieldTypeCode::IdOrName},     {47, FieldTypeCode::Text},
    {46, FieldTypeCode::Text},        {39, FieldTypeCode::IdOrName},
};

} // namespace

clAufgaben::clAufgaben() : RecordClassBase(TableKind::Aufgaben) {}

clAufgaben::~clAufgaben()
{
    releaseControl();
    m_groupList.reset();
    m_activityFields.reset();
    m_activityTable.reset();
}

bool clAufgaben::Init(InfoZoomControl *izControl, QLabel *Status,
                      std::shared_ptr<actserver::ACTDatabaseObject> ACTOLEDatabase)
{
    m_database = std::move(ACTOLEDatabase);
    if (m_database) {
        m_activityTable = m_database->Activity();
        if (m_activityTable)
            m_activityFields = std::make_unique<actserver::ACTFields>(m_activityTable->Fields());
    }
    keepControl(izControl, Status);
    return true;
}

void clAufgaben::SetACTFields()
{
    if (!m_database) {
        platform::ui().msgBox(QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."), platform::MsgIcon::Information);
        return;
    }
    QStringList labels;
    QVector<qint16> ids;
    QVector<int> types;
    for (const ActivityField &field : kFields) {
        ids << field.id;
        labels << (m_activityFields ? m_activityFields->Label(field.id) : QString());
        types << field.code;
    }
    setFieldArrays(labels, ids, types);

    m_users.clear();
    const actserver::ACTUsers users = m_database->Users();
    for (int i = 1; i <= users.Count(); ++i)
        if (!m_users.contains(users.UniqueID(i)))
            m_users.insert(users.UniqueID(i), users.Name(i));
    m_usersBuilt = true;
    m_codeTexts = std::make_unique<ActivityCodeTexts>();
}

void clAufgaben::ShowData()
{
    ActActivitySource source(m_activityTable.get());
    ShowData(source);
}

bool clAufgaben::SourceFilesReadable()
{
    return SourceTablesReadable(m_database.get(),
                                {actserver::ActTableKind::Activity, actserver::ActTableKind::Relation}, m_fieldIDs,
                                kind().tableName);
}

void clAufgaben::LoadData(const QString &sFoxDatei)
{
    loadDataFrame(sFoxDatei, [] { return true; });
}

bool clAufgaben::ShowActivity(const QString &sActivityID, const QString &sRelationID)
{
    return showInACT(sActivityID, sRelationID, QStringLiteral("AT"), QStringLiteral("Suche Aufgabe..."),
                     &RunningACT::ShowActivityByUniqueID);
}

void clAufgaben::assignRole(int i, const QString &importName)
{
    if (m_fieldIDs.at(i) == 1)
        m_uniqueIDFieldName = importName;
    else if (m_fieldIDs.at(i) == 40)
        m_syncFieldName = importName;
}

} // namespace records
