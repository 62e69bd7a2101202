// The record class of the notes and history: reads every note of the ACT! database into the lower
// table (seven fixed fields), reloads a stored notes table, shows one note in the running ACT! and
// deletes one note in the database.
#pragma once

#include "ActRecordClass.h"

#include <array>

namespace records {

class clNotizen final : public ActRecordClass
{
public:
    clNotizen();

    // The seven fields with their labels, the users and the note-type names; without a database
    // only the notice "Es ist keine ACT!-Datenbank geöffnet.".
    void SetACTFields();
    // Shows the note sNoteID (a HexID of type "NT") of the contact sRelationID (a HexID) in ACT!.
    bool ShowNote(const QString &sNoteID, const QString &sRelationID);
    // Deletes the note with this 12-character ACT! ID in the database; true when it was deleted.
    // No status text and no message: the caller counts the results.
    bool DeleteNote(const QString &sNoteID);

    // The name of a note type code; "Unbekannt" for a code without one.
    QString NoteTypeName(int code) const;

protected:
    std::shared_ptr<actserver::ACTTable> tableOf(actserver::ACTDatabaseObject &database) const override;
    void assignRole(int i, const QString &importName) override;
    QVariant idValue(int i, const QString &text) override;
    std::optional<QVariant> textValue(int i, const QString &text) override;

private:
    std::array<QString, 256> m_noteTypeText;
};

} // namespace records
