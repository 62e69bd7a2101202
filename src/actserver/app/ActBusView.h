// Client proxy of a view object served on the bus; released on the server when dropped.
#pragma once

#include "ACTView.h"
#include "ActBusChannel.h"

namespace actserver {

class ActBusView final : public ACTView
{
public:
    ActBusView(std::shared_ptr<ActBusChannel> channel, const QString &path);
    ~ActBusView() override;
    Q_DISABLE_COPY_MOVE(ActBusView)

    int Type() override;
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
    QVariant call(const char *method, const QVariantList &args = {});
    int callInt(const char *method, const QVariantList &args = {}) { return call(method, args).toInt(); }
    std::shared_ptr<ACTViewTab> tab(const char *method);

    std::shared_ptr<ActBusChannel> m_channel;
    QString m_path;
};

} // namespace actserver
