// The running ACT! reached over the session bus: Datolux's ACTOLE.APPOBJECT. Same interface as the
// in-process object; every call is a bounded bus call (see ActBusChannel for the errors).
#pragma once

#include "ACTAppObject.h"
#include "ActBusChannel.h"

namespace actserver {

class ActBusAppObject final : public ACTAppObject
{
public:
    explicit ActBusAppObject(std::shared_ptr<ActBusChannel> channel);

    // The application object of the ACT! serving the session bus; throws platform::VbError
    // kCannotCreateObject when none does. A negative timeoutMs waits the channels' default.
    static std::shared_ptr<ACTAppObject> create(int timeoutMs = -1);
    static std::shared_ptr<ACTAppObject> create(const QDBusConnection &connection, int timeoutMs = -1);

    QString GetOpenDBName() override;
    QString GetUserId() override;
    QString GetCurrentUserName() override;
    QString GetVersion(int kind) override;
    void Show(bool show) override;
    void Minimize() override;
    int OpenDB(const QString &path) override;
    int CloseDB() override;
    void Command(int commandId) override;
    std::shared_ptr<ACTViews> Views() override;

private:
    QVariant call(const QString &method, const QVariantList &args = {});

    std::shared_ptr<ActBusChannel> m_channel;
};

} // namespace actserver
