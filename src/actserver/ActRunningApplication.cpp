// Asks the running ACT! application which database it has open.
#include "ActRunningApplication.h"

namespace actserver {

namespace {

class NoRunningApplication final : public ActRunningApplication
{
public:
    bool openDatabase(QString *, QString *) override { return false; }
};

std::shared_ptr<ActRunningApplication> &instance()
{
    static std::shared_ptr<ActRunningApplication> app = std::make_shared<NoRunningApplication>();
    return app;
}

} // namespace

ActRunningApplication &ActRunningApplication::current()
{
    return *instance();
}

void ActRunningApplication::install(std::shared_ptr<ActRunningApplication> application)
{
    instance() = application ? std::move(application) : std::make_shared<NoRunningApplication>();
}

} // namespace actserver
