// The factory of the running-ACT! wrapper; by default the ACT! application wrapper itself.
#include "RunningACT.h"

#include "actlink/clACTApplication.h"

namespace records {

namespace {

class ApplicationWrapper final : public RunningACT
{
public:
    bool ACTgestartet() override { return m_app.ACTgestartet(); }
    QString ACTDatenbank() override { return m_app.ACTDatenbank(); }
    bool CreateContactSearch(const QString &ids) override { return m_app.CreateContactSearch(ids); }
    bool ShowGroupByUniqueID(const QString &uniqueId, bool lookupAll) override
    {
        return m_app.ShowGroupByUniqueID(uniqueId, lookupAll);
    }
    void Zeigen() override { m_app.Zeigen(); }
    bool ShowNoteByUniqueID(const QString &id) override { return m_app.ShowNoteByUniqueID(id); }
    bool ShowSaleByUniqueID(const QString &id) override { return m_app.ShowSaleByUniqueID(id); }
    bool ShowActivityByUniqueID(const QString &id) override { return m_app.ShowActivityByUniqueID(id); }

private:
    actlink::clACTApplication m_app;
};

std::function<std::unique_ptr<RunningACT>()> &factory()
{
    static std::function<std::unique_ptr<RunningACT>()> f;
    return f;
}

} // namespace

std::unique_ptr<RunningACT> RunningACT::create()
{
    if (factory())
        if (std::unique_ptr<RunningACT> wrapper = factory()())
            return wrapper;
    return std::make_unique<ApplicationWrapper>();
}

void RunningACT::setFactory(std::function<std::unique_ptr<RunningACT>()> f) { factory() = std::move(f); }

} // namespace records
