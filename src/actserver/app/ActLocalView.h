// A view of the running application, in-process: works on the shared application state.
#pragma once

#include "ACTView.h"
#include "ActAppState.h"

namespace actserver {

class ActLocalView final : public ACTView
{
public:
    ActLocalView(ActAppState &state, int viewType);

    int Type() override { return m_type; }
    QString GetCurrentID() override;
    int CurrentFieldId() override;
    int LookupALL() override;
    int CreateLookup(const QString &uniqueIds) override;
    int LookupField(int fieldId, const QString &value) override;
    int LookupFieldEx(int fieldId, const QString &value, int mode) override;
    int MoveFirst() override;
    int MoveNext() override;
    int GetCount() override;
    QVariant getfield(int fieldId) override;
    int setfield(int fieldId, const QVariant &value) override;
    int GoTo(const QString &uniqueId) override;
    int AddNewContact() override;
    int AddNew() override;
    int AddContactToGroup(const QString &groupId) override;
    int AddMemberToGroup(const QString &contactId) override;
    int DeleteGroupFast() override;
    int getlasterror() override;
    int GetTabCount() override;
    QString GetTabName(int index) override;
    int SetActiveTab(const QString &caption) override;
    std::shared_ptr<ACTViewTab> NotesHistory() override;
    std::shared_ptr<ACTViewTab> Sales() override;
    std::shared_ptr<ACTViewTab> Activities() override;

private:
    ActAppState::Side &side() { return m_state.side(m_type); }
    ActRecordKind kind() const { return ActAppState::recordKind(m_type); }
    bool hasTabs() const;
    // Sets the view's last error and returns the code (0 clears it).
    int result(int code);
    void setLookup(const QStringList &ids);
    void setCurrent(int index);
    QStringList matching(int fieldId, const QString &value);
    bool isMember(const QString &contactId, const QString &groupId);
    void updateMemberCount(const QString &groupId);
    int addRecord(ActRecordKind kind);
    std::shared_ptr<ACTViewTab> tab(ActTab which);

    ActAppState &m_state;
    int m_type;
};

} // namespace actserver
