// The notes record class: its fixed fields, the note-type names, its value rules, showing and
// deleting a note.
#include "clNotizen.h"

#include "FieldValues.h"
#include "RunningACT.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"

#include <cmath>

namespace records {

namespace {

constexpr qint16 kUniqueIdField = 1;
constexpr qint16 kUserField = 6;
constexpr qint16 kTypeField = 25;
constexpr qint16 kTextField = 26;
constexpr qint16 kContactField = 29;

const ActRecordClass::FixedField *noteFields()
{
    using namespace FieldTypeCode;
    static const ActRecordClass::FixedField fields[] = {
        {kUniqueIdField, IdOrName}, {27, DateTime}, {kTypeField, Text},        {kTextField, Text},
        {kUserField, IdOrName},     {28, Text},     {kContactField, IdOrName},
    };
    return fields;
}
constexpr int kNoteFieldCount = 7;

struct NoteType
{
    int code;
    const char *text;
};

// "nich" is the text the users know from the program; it stays.
const NoteType kNoteTypes[] = {
    {0, "Anruf versucht"},
    {1, "Anruf abgeschlossen"},
    {2, "Anruf erhalten"},
    {3, "Feld verändert"},
    {4, "Zugriff"},
    {5, "Brief gesendet"},
    {6, "Besprechung abgehalten"},
    {7, "Besprechung nich abgehalten"},
    {8, "Erledigung gemacht"},
    {9, "Erledigung nicht gemacht"},
    {10, "Timer"},
    {11, "Anruf gelöscht"},
    {12, "Kontakt gelöscht"},
    {13, "Kontakt geändert"},
    {14, "Aktivität geändert"},
    {15, "Aktivität gelöscht"},
    {16, "E-Mail gesendet"},
    {17, "Anruf Nachricht hinterlegt"},
    {50, "Fax gesendet"},
    {51, "Synchronisation gesendet"},
    {53, "Synchronisation empfangen"},
    {54, "Erledigung gelöscht"},
    {55, "Besprechung gelöscht"},
    {56, "Fehler"},
    {57, "Auftrag abgeschlossen/gewonnen"},
    {58, "Auftrag verloren"},
    {100, "Notiz"},
    {101, "Anlage"},
    {102, "E-Mail"},
};

// The type code of a note as a whole number (halves to the even number); -1 for an empty text or
// one that is no number.
int typeCode(const QString &text)
{
    // The table delivers plain digits; only another form goes the slow way of a number reading.
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty() && trimmed.size() <= 4) {
        int code = 0;
        qsizetype i = 0;
        for (; i < trimmed.size() && trimmed.at(i).isDigit() && trimmed.at(i).unicode() < 128; ++i)
            code = code * 10 + (trimmed.at(i).unicode() - '0');
        if (i == trimmed.size())
            return code;
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e6)
        return -1;
    return int(std::nearbyint(value));
}

} // namespace

clNotizen::clNotizen() : ActRecordClass(TableKind::Notizen)
{
    // Notes take the progress step and cancel test after a skipped bad record too.
    m_progressAfterSkipped = true;
}

std::shared_ptr<actserver::ACTTable> clNotizen::tableOf(actserver::ACTDatabaseObject &database) const
{
    return database.NoteHistory();
}

void clNotizen::SetACTFields()
{
    if (!setFixedFields(noteFields(), kNoteFieldCount))
        return;
    m_noteTypeText.fill(QStringLiteral("Unbekannt"));
    for (const NoteType &type : kNoteTypes)
        m_noteTypeText[size_t(type.code)] = QString::fromUtf8(type.text);
}

QString clNotizen::NoteTypeName(int code) const
{
    // A code outside the table's range, or no number at all, has no name.
    if (code < 0 || code > 255 || m_noteTypeText[size_t(code)].isNull())
        return QStringLiteral("Unbekannt");
    return m_noteTypeText[size_t(code)];
}

void clNotizen::assignRole(int i, const QString &importName)
{
    if (m_fieldIDs.at(i) == kUniqueIdField)
        m_uniqueIDFieldName = importName;
    else if (m_fieldIDs.at(i) == kContactField)
        m_syncFieldName = importName;
}

QVariant clNotizen::idValue(int i, const QString &text)
{
    switch (m_fieldIDs.at(i)) {
    case kUniqueIdField:
        return converter().ToHexID(text, QStringLiteral("NT"));
    case kUserField:
        return userName(text);
    case kContactField:
        return isBlank(text) ? QStringLiteral("Gruppennotiz") : converter().ToHexID(text, QStringLiteral("CO"));
    default:
        return text;
    }
}

std::optional<QVariant> clNotizen::textValue(int i, const QString &text)
{
    switch (m_fieldIDs.at(i)) {
    case kTypeField:
        return NoteTypeName(typeCode(text));
    case kTextField:
        return firstLine(text);
    default:
        return std::nullopt;
    }
}

bool clNotizen::ShowNote(const QString &sNoteID, const QString &sRelationID)
{
    return showInACT(sNoteID, sRelationID, QStringLiteral("NT"), QStringLiteral("Suche Notiz..."),
                     &RunningACT::ShowNoteByUniqueID);
}

bool clNotizen::DeleteNote(const QString &sNoteID)
{
    // Without the notes table there is nothing to delete from; the caller counts a failure.
    if (!m_table)
        return false;
    m_table->GoTo(sNoteID);
    // A failed GoTo leaves the cursor on the previous record, which must not be deleted.
    if (m_table->Error())
        return false;
    m_table->Delete();
    return !m_table->Error();
}

} // namespace records
