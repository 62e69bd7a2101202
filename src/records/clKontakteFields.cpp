// The contacts record class: field list of the dialog, field arrays, reading, loading, and the ACT!
// lookup of the selected contacts.
#include "clKontakte.h"

#include "ActFieldList.h"
#include "ActTableSource.h"
#include "FieldValues.h"
#include "RunningACT.h"
#include "SourceFiles.h"
#include "frmFelder.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"
#include "platform/UiServices.h"

namespace records {

namespace {

constexpr qint16 kIdField = 1;
constexpr qint16 kUserField = 6;

} // namespace

bool clKontakte::FillFieldList(frmFelder &dialog)
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
        if (id != 1 && id != 201) {
            const QString label = m_fields->Label(id);
            const int type = m_fields->Type(id);
            const int code = FieldTypeCodeOfActType(type);
            if (code < 0)
                platform::ui().msgBox(QStringLiteral("Nicht unterstützter Feldtyp ") + QString::number(type) +
                                          QStringLiteral(" bei Feld '") + label + QStringLiteral("'."),
                                      platform::MsgIcon::Exclamation);
            const QString key = ImportNameOf(id);
            dialog.addItem(key, label, code < 0 ? QString() : QString::number(code));
            const int index = dialog.itemCount() - 1;
            if (id == 200)
                dialog.setItemText(index, QStringLiteral("Email Adresse"));
            else if (id == 202)
                dialog.setItemText(index, QStringLiteral("Email Logon"));
            else if (id == 203)
                dialog.setItemText(index, QStringLiteral("Email Carrier"));
            else if (id >= 500 && id <= 504)
                dialog.removeItem(index);
        }
        if (i % 5 == 0)
            platform::DoEvents();
    }
    SetStatus(QString());
    return true;
}

void clKontakte::BuildFieldArrays(frmFelder &dialog)
{
    QStringList labels{m_fields ? m_fields->Label(kIdField) : QString()};
    QVector<qint16> ids{kIdField};
    QVector<int> types{FieldTypeCode::IdOrName};
    AppendCheckedFields(dialog, labels, ids, types);
    if (ids.contains(kUserField))
        ensureUserNames(m_database.get());
    setFieldArrays(labels, ids, types);
}

bool clKontakte::SelectFields()
{
    if (!m_open) {
        platform::ui().msgBox(QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."), platform::MsgIcon::Information);
        return false;
    }
    // The dialog opens on the fields the table holds; after a cancel the arrays still describe them.
    if (!rebuildFieldsFromTable())
        return false;
    frmFelder &dialog = frmFelder::instance();
    platform::ui().showModal(&dialog);
    if (dialog.cmdOkTag().isEmpty())
        return false;
    BuildFieldArrays(dialog);
    return true;
}

void clKontakte::assignRole(int i, const QString &importName)
{
    if (i == 0) {
        m_uniqueIDFieldName = importName;
        m_syncFieldName = importName;
    }
}

QVariant clKontakte::idValue(int i, const QString &text)
{
    if (m_fieldIDs.at(i) == kUserField)
        return userName(text);
    return converter().ToHexID(text, QStringLiteral("CO"));
}

void clKontakte::ShowData()
{
    ActTableSource source(m_contact.get());
    showDataFrame(source);
}

void clKontakte::LoadData(const QString &sFoxDatei)
{
    loadDataFrame(sFoxDatei, [this] { return rebuildFieldsFromTable(); });
}

bool clKontakte::SourceFilesReadable()
{
    return SourceTablesReadable(m_database.get(), {actserver::ActTableKind::Contact}, m_fieldIDs, kind().tableName);
}

bool clKontakte::CreateACTSearch()
{
    if (!m_open) {
        platform::ui().msgBox(QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."), platform::MsgIcon::Information);
        return false;
    }
    QString actDatabase;
    const std::unique_ptr<RunningACT> act = runningACTWithDatabase(&actDatabase);
    if (!act || !searchDatabaseAccepted(actDatabase, m_databasepath, QStringLiteral("Kontaktsuche")))
        return false;
    const StatusClearedOnFailure status(*this);
    SetStatus(QStringLiteral("Liste der Kontakte wird gebildet..."));
    const InfoZoomAttribute uniqueId = UniqueIDAttribute();
    if (uniqueId.isNull()) {
        SetStatus(QStringLiteral("Die UniqueID wurde unter den Attributen nicht gefunden."));
        return false;
    }
    InfoZoomValues selected = uniqueId.SelectedValues();
    selected.Reset();
    const int count = selected.Count();
    QString ids;
    ids.reserve(count * actlink::clUniqueIDConverter::kIdLength);
    for (int i = 1; i <= count; ++i) {
        ids += converter().ToUniqueID(selected.NextValue().Value().toString());
        if (i % 71 == 0)
            SetStatus(QStringLiteral("Liste der Kontakte wird gebildet... (") + QString::number(i) +
                      QLatin1Char('/') + QString::number(count) + QLatin1Char(')'));
    }
    SetStatus(QStringLiteral("Die ACT! Suche wird gebildet."));
    // A lookup ACT! refused is reported as a failure, so the main window does not announce it as made.
    if (!act->CreateContactSearch(ids)) {
        SetStatus(QStringLiteral("Die ACT! Suche konnte nicht erstellt werden!"));
        return false;
    }
    SetStatus(QStringLiteral("Die ACT! Suche wurde gebildet."));
    act->Zeigen();
    return true;
}

} // namespace records
