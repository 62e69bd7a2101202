// The groups record class: set-up, field list and field arrays, reloading a stored table, and the
// ACT! lookup of the selected groups.
#include "clGruppen.h"

#include "ActFieldList.h"
#include "FieldValues.h"
#include "RunningACT.h"
#include "SourceFiles.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"
#include "frmFelder.h"
#include "platform/UiServices.h"

namespace records {

namespace {

// The four fixed columns, always first: the group, its member count, the member, the parent group.
constexpr qint16 kIdField = 1;
constexpr qint16 kMemberCountField = 100;
constexpr qint16 kMemberField = 56;
constexpr qint16 kParentField = 55;
constexpr int kFixedColumns = 4;
constexpr qint16 kUserField = 6;

bool skippedInFieldList(qint16 id)
{
    return id == kIdField || id == kParentField || id == kMemberField || id == kMemberCountField || id == 200 ||
           id == 201;
}

} // namespace

clGruppen::clGruppen() : RecordClassBase(TableKind::Gruppen) {}

clGruppen::~clGruppen()
{
    frmFelder::Unload();
    releaseControl();
    m_fields.reset();
    m_group.reset();
}

InfoZoomAttribute clGruppen::ParentGroupAttribute() const
{
    if (!m_izTable || m_parentGroupImportName.isEmpty())
        return {};
    const InfoZoomAttributeNode node = FindAttribute(m_izTable->Attributes(), m_parentGroupImportName);
    return node ? InfoZoomAttribute(node) : InfoZoomAttribute();
}

bool clGruppen::Init(InfoZoomControl *control, QLabel *status, std::shared_ptr<actserver::ACTDatabaseObject> database,
                     const QString &sACTDatenbank)
{
    m_izControl = control;
    m_status = status;
    m_database = std::move(database);
    m_sACTDatenbank = sACTDatenbank;
    // A database object that is not open hands out no group table either: the same refusal.
    m_group = m_database ? m_database->Group() : nullptr;
    if (!m_group) {
        platform::ui().msgBox(QStringLiteral("Es ist kein OLE-Zugriff auf die ACT!-Gruppen möglich."),
                              platform::MsgIcon::Exclamation);
        return false;
    }
    m_fields = std::make_unique<actserver::ACTFields>(m_group->Fields());
    Control_Init();
    return true;
}

bool clGruppen::FillFieldList(frmFelder &dialog)
{
    if (!m_fields) {
        platform::ui().msgBox(QStringLiteral("Es besteht keine Verbindung zur ACT!-Datenbank."),
                              platform::MsgIcon::Information);
        return false;
    }
    const StatusClearedOnFailure status(*this);
    SetStatus(QStringLiteral("ACT!-Felder werden eingelesen..."));
    dialog.clearItems();
    const int count = m_fields->Count();
    for (int i = 0; i < count; ++i) {
        const qint16 id = m_fields->FieldIdAt(i);
        if (!skippedInFieldList(id)) {
            const QString label = m_fields->Label(id);
            const int type = m_fields->Type(id);
            const int code = FieldTypeCodeOfActType(type);
            if (code < 0)
                platform::ui().msgBox(QStringLiteral("Nicht unterstützter Feldtyp ") + QString::number(type) +
                                          QStringLiteral(" bei Feld '") + label + QStringLiteral("'."),
                                      platform::MsgIcon::Exclamation);
            dialog.addItem(ImportNameOf(id), label, code < 0 ? QString() : QString::number(code));
        }
        if (i % 5 == 0)
            platform::DoEvents();
    }
    SetStatus(QString());
    return true;
}

void clGruppen::BuildFieldArrays(frmFelder &dialog)
{
    const auto label = [this](qint16 id) { return m_fields ? m_fields->Label(id) : QString(); };
    QStringList labels{label(kIdField), label(kMemberCountField), QStringLiteral("Kontakt ID"), label(kParentField)};
    QVector<qint16> ids{kIdField, kMemberCountField, kMemberField, kParentField};
    QVector<int> types{FieldTypeCode::IdOrName, FieldTypeCode::WholeNumber, FieldTypeCode::IdOrName,
                       FieldTypeCode::IdOrName};
    AppendCheckedFields(dialog, labels, ids, types);
    if (ids.contains(kUserField))
        ensureUserNames(m_database.get());
    setFieldArrays(labels, ids, types);
}

bool clGruppen::SelectFields(bool bEditFieldlist)
{
    frmFelder *dialog =
        filledFieldDialog(QStringLiteral("Die Feldstruktur der ACT!-Datenbank konnte nicht eingelsen werden."));
    if (!dialog)
        return false;
    if (bEditFieldlist) {
        platform::ui().showModal(dialog);
        if (dialog->cmdOkTag().isEmpty())
            return false;
    }
    BuildFieldArrays(*dialog);
    return true;
}

void clGruppen::assignRole(int i, const QString &importName)
{
    if (i == 0)
        m_uniqueIDFieldName = importName;
    else if (i == 2)
        m_syncFieldName = importName;
    else if (i == 3)
        m_parentGroupImportName = importName;
}

QVariant clGruppen::idValue(int i, const QString &text)
{
    if (i == 3 && text == QString(actlink::clUniqueIDConverter::kIdLength, QLatin1Char(' ')))
        return QStringLiteral("Hauptgruppe");
    if (i >= kFixedColumns && m_fieldIDs.at(i) == kUserField)
        return userName(text);
    return converter().ToHexID(text, QStringLiteral("GR"));
}

void clGruppen::LoadData(const QString &sFoxDatei)
{
    loadDataFrame(sFoxDatei, [this] {
        if (!rebuildFieldsFromTable())
            return false;
        m_parentGroupImportName = ImportNameOf(kParentField);
        return true;
    });
}

bool clGruppen::SourceFilesReadable()
{
    return SourceTablesReadable(m_database.get(), {actserver::ActTableKind::Group, actserver::ActTableKind::Relation},
                                m_fieldIDs, kind().tableName);
}

bool clGruppen::CreateACTSearch()
{
    QString actDatabase;
    const std::unique_ptr<RunningACT> act = runningACTWithDatabase(&actDatabase);
    if (!act || !searchDatabaseAccepted(actDatabase, m_sACTDatenbank, QStringLiteral("Gruppensuche")))
        return false;
    const StatusClearedOnFailure status(*this);
    SetStatus(QStringLiteral("Liste der Gruppen wird gebildet..."));
    const InfoZoomAttribute uniqueId = UniqueIDAttribute();
    if (uniqueId.isNull()) {
        SetStatus(QStringLiteral("Die UniqueID wurde unter den Attributen nicht gefunden."));
        return false;
    }
    InfoZoomValues selected = uniqueId.SelectedValues();
    selected.Reset();
    const int count = selected.Count();
    for (int i = 1; i <= count; ++i) {
        const QString id = converter().ToUniqueID(selected.NextValue().Value().toString());
        if (!act->ShowGroupByUniqueID(id, i == 1)) {
            SetStatus(QStringLiteral("Die ACT! Suche konnte nicht erstellt werden!"));
            return false;
        }
        if (i % 71 == 0)
            SetStatus(QStringLiteral("Liste der Gruppen wird gebildet... (") + QString::number(i) + QLatin1Char('/') +
                      QString::number(count) + QLatin1Char(')'));
    }
    SetStatus(QStringLiteral("Die ACT! Gruppensuche wurde gebildet."));
    return true;
}

} // namespace records
