// The running application object, in-process: what actserver serves on the session bus.
#pragma once

#include "ACTAppObject.h"
#include "ActAppState.h"

namespace actserver {

// Menu commands the stand-in understands (Command): open the contact, list or group view.
namespace ActCommand {
constexpr int ContactView = 1;
constexpr int ContactList = 2;
constexpr int GroupView = 3;
} // namespace ActCommand

class ActLocalAppObject final : public ACTAppObject
{
public:
    explicit ActLocalAppObject(ActAppState &state) : m_state(state) {}

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

    static QString version() { return QStringLiteral("3.0.8"); }

private:
    ActAppState &m_state;
};

} // namespace actserver
