// An ACT! view as the automation object ACTView offers it: a lookup of contacts or groups with its
// current record, fields, group membership and the tabs of the current record. Implemented
// in-process (ActLocalView) and over the session bus (ActBusView). Methods that the automation
// server answers with a status give 0 on success and an ACT! error code otherwise; a fault inside
// the server is thrown as platform::VbError.
#pragma once

#include "ACTViewTab.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace actserver {

// View types (ACTView::Type).
namespace ActViewType {
constexpr int Contact = 1;
constexpr int ContactList = 2;
constexpr int Group = 3;
} // namespace ActViewType

class ACTView
{
public:
    virtual ~ACTView() = default;

    virtual int Type() = 0;
    virtual QString GetCurrentID() = 0;
    virtual int CurrentFieldId() = 0;

    virtual int LookupALL() = 0;
    // uniqueIds: 12-character IDs joined without separator.
    virtual int CreateLookup(const QString &uniqueIds) = 0;
    virtual int LookupField(int fieldId, const QString &value) = 0;
    // mode 0 adds the matches to the lookup, 1 narrows the lookup to them, any other replaces it.
    virtual int LookupFieldEx(int fieldId, const QString &value, int mode) = 0;
    virtual int MoveFirst() = 0;
    virtual int MoveNext() = 0;
    virtual int GetCount() = 0;
    virtual QVariant getfield(int fieldId) = 0;
    virtual int setfield(int fieldId, const QVariant &value) = 0;
    virtual int GoTo(const QString &uniqueId) = 0;

    virtual int AddNewContact() = 0;
    virtual int AddNew() = 0;
    virtual int AddContactToGroup(const QString &groupId) = 0;
    virtual int AddMemberToGroup(const QString &contactId) = 0;
    virtual int DeleteGroupFast() = 0;
    virtual int getlasterror() = 0;

    virtual int GetTabCount() = 0;
    // "" outside 0 to GetTabCount() - 1.
    virtual QString GetTabName(int index) = 0;
    virtual int SetActiveTab(const QString &caption) = 0;
    virtual std::shared_ptr<ACTViewTab> NotesHistory() = 0;
    virtual std::shared_ptr<ACTViewTab> Sales() = 0;
    virtual std::shared_ptr<ACTViewTab> Activities() = 0;
};

} // namespace actserver
