// Call-logging decorators of the application, views, view and tab objects.
#include "RecordingAppObject.h"

using namespace actserver;

bool CallLog::called(const QString &method) const { return count(method + QLatin1Char('(')) > 0; }

int CallLog::count(const QString &prefix) const
{
    int n = 0;
    for (const QString &c : calls)
        if (c.startsWith(prefix))
            ++n;
    return n;
}

namespace {

QString q(const QString &s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

class Counted
{
public:
    explicit Counted(std::shared_ptr<CallLog> log) : m_log(std::move(log)) { ++m_log->liveObjects; }
    ~Counted() { --m_log->liveObjects; }
    Counted(const Counted &) = delete;
    Counted &operator=(const Counted &) = delete;

protected:
    void log(const QString &call) { m_log->calls << call; }
    std::shared_ptr<CallLog> m_log;
};

class RecTab final : public ACTViewTab, Counted
{
public:
    RecTab(std::shared_ptr<ACTViewTab> inner, std::shared_ptr<CallLog> l) : Counted(std::move(l)), m_in(std::move(inner)) {}
    int GetRowNumber(const QString &id) override
    {
        log(QStringLiteral("GetRowNumber(%1)").arg(q(id)));
        return m_in->GetRowNumber(id);
    }
    int GoTo(int row) override
    {
        log(QStringLiteral("TabGoTo(%1)").arg(row));
        return m_in->GoTo(row);
    }

private:
    std::shared_ptr<ACTViewTab> m_in;
};

class RecView final : public ACTView, Counted
{
public:
    RecView(std::shared_ptr<ACTView> inner, std::shared_ptr<CallLog> l) : Counted(std::move(l)), m_in(std::move(inner)) {}
    int Type() override { return m_in->Type(); }
    QString GetCurrentID() override { return m_in->GetCurrentID(); }
    int CurrentFieldId() override { return m_in->CurrentFieldId(); }
    int LookupALL() override
    {
        log(QStringLiteral("LookupALL()"));
        return m_in->LookupALL();
    }
    int CreateLookup(const QString &ids) override
    {
        log(QStringLiteral("CreateLookup(%1)").arg(q(ids)));
        return m_in->CreateLookup(ids);
    }
    int LookupField(int f, const QString &v) override
    {
        log(QStringLiteral("LookupField(%1, %2)").arg(f).arg(q(v)));
        return m_in->LookupField(f, v);
    }
    int LookupFieldEx(int f, const QString &v, int mode) override
    {
        log(QStringLiteral("LookupFieldEx(%1, %2, %3)").arg(f).arg(q(v)).arg(mode));
        return m_in->LookupFieldEx(f, v, mode);
    }
    int MoveFirst() override { return m_in->MoveFirst(); }
    int MoveNext() override { return m_in->MoveNext(); }
    int GetCount() override { return m_in->GetCount(); }
    QVariant getfield(int f) override
    {
        log(QStringLiteral("getfield(%1)").arg(f));
        return m_in->getfield(f);
    }
    int setfield(int f, const QVariant &v) override
    {
        log(QStringLiteral("setfield(%1, %2)").arg(f).arg(q(v.toString())));
        return m_in->setfield(f, v);
    }
    int GoTo(const QString &id) override
    {
        log(QStringLiteral("GoTo(%1)").arg(q(id)));
        return m_in->GoTo(id);
    }
    int AddNewContact() override { return m_in->AddNewContact(); }
    int AddNew() override { return m_in->AddNew(); }
    int AddContactToGroup(const QString &id) override
    {
        log(QStringLiteral("AddContactToGroup(%1)").arg(q(id)));
        return m_in->AddContactToGroup(id);
    }
    int AddMemberToGroup(const QString &id) override
    {
        log(QStringLiteral("AddMemberToGroup(%1)").arg(q(id)));
        return m_in->AddMemberToGroup(id);
    }
    int DeleteGroupFast() override { return m_in->DeleteGroupFast(); }
    int getlasterror() override { return m_in->getlasterror(); }
    int GetTabCount() override { return m_in->GetTabCount(); }
    QString GetTabName(int i) override
    {
        const QString name = m_in->GetTabName(i);
        return m_log->tabNames.value(name, name);
    }
    int SetActiveTab(const QString &caption) override
    {
        log(QStringLiteral("SetActiveTab(%1)").arg(q(caption)));
        // An English ACT! knows its tabs under the English captions.
        const QString real = m_log->tabNames.key(caption, caption);
        return m_in->SetActiveTab(real);
    }
    std::shared_ptr<ACTViewTab> NotesHistory() override { return wrap(m_in->NotesHistory()); }
    std::shared_ptr<ACTViewTab> Sales() override { return wrap(m_in->Sales()); }
    std::shared_ptr<ACTViewTab> Activities() override { return wrap(m_in->Activities()); }

private:
    std::shared_ptr<ACTViewTab> wrap(std::shared_ptr<ACTViewTab> t)
    {
        return t ? std::make_shared<RecTab>(std::move(t), m_log) : nullptr;
    }
    std::shared_ptr<ACTView> m_in;
};

class RecViews final : public ACTViews, Counted
{
public:
    RecViews(std::shared_ptr<ACTViews> inner, std::shared_ptr<CallLog> l) : Counted(std::move(l)), m_in(std::move(inner)) {}
    std::shared_ptr<ACTView> GetActive() override
    {
        log(QStringLiteral("GetActive()"));
        return wrap(m_in->GetActive());
    }
    std::shared_ptr<ACTView> Create(int type, const QVariant &mode) override
    {
        log(QStringLiteral("Create(%1, %2)").arg(type).arg(q(mode.toString())));
        return wrap(m_in->Create(type, mode));
    }

private:
    std::shared_ptr<ACTView> wrap(std::shared_ptr<ACTView> v)
    {
        return v ? std::make_shared<RecView>(std::move(v), m_log) : nullptr;
    }
    std::shared_ptr<ACTViews> m_in;
};

class RecApp final : public ACTAppObject, Counted
{
public:
    RecApp(std::shared_ptr<ACTAppObject> inner, std::shared_ptr<CallLog> l) : Counted(std::move(l)), m_in(std::move(inner)) {}
    QString GetOpenDBName() override { return m_in->GetOpenDBName(); }
    QString GetUserId() override { return m_in->GetUserId(); }
    QString GetCurrentUserName() override { return m_in->GetCurrentUserName(); }
    QString GetVersion(int kind) override { return m_in->GetVersion(kind); }
    void Show(bool show) override
    {
        log(QStringLiteral("Show(%1)").arg(show));
        m_in->Show(show);
    }
    void Minimize() override
    {
        log(QStringLiteral("Minimize()"));
        m_in->Minimize();
    }
    int OpenDB(const QString &path) override
    {
        log(QStringLiteral("OpenDB(%1)").arg(q(path)));
        return m_in->OpenDB(path);
    }
    int CloseDB() override { return m_in->CloseDB(); }
    void Command(int id) override
    {
        log(QStringLiteral("Command(%1)").arg(id));
        m_in->Command(id);
    }
    std::shared_ptr<ACTViews> Views() override
    {
        auto v = m_in->Views();
        return v ? std::make_shared<RecViews>(std::move(v), m_log) : nullptr;
    }

private:
    std::shared_ptr<ACTAppObject> m_in;
};

} // namespace

std::shared_ptr<ACTAppObject> recording(std::shared_ptr<ACTAppObject> inner, std::shared_ptr<CallLog> log)
{
    return std::make_shared<RecApp>(std::move(inner), std::move(log));
}
