// In-process application object over the shared application state.
#include "ActLocalAppObject.h"

#include "ActAutomationError.h"
#include "ActLocalViews.h"
#include "platform/VbError.h"

namespace actserver {

QString ActLocalAppObject::GetOpenDBName() { return m_state.isOpen() ? m_state.store()->contactFilePath() : QString(); }

QString ActLocalAppObject::GetUserId() { return m_state.isOpen() ? m_state.store()->userId() : QString(); }

QString ActLocalAppObject::GetCurrentUserName() { return m_state.isOpen() ? m_state.store()->userName() : QString(); }

QString ActLocalAppObject::GetVersion(int kind)
{
    Q_UNUSED(kind);
    return version();
}

void ActLocalAppObject::Show(bool show) { m_state.requestShow(show); }

void ActLocalAppObject::Minimize() { m_state.requestMinimize(); }

int ActLocalAppObject::OpenDB(const QString &path) { return m_state.openDatabase(path); }

int ActLocalAppObject::CloseDB() { return m_state.closeDatabase(); }

void ActLocalAppObject::Command(int commandId)
{
    switch (commandId) {
    case ActCommand::ContactView:
    case ActCommand::ContactList:
    case ActCommand::GroupView:
        m_state.setActiveViewType(commandId);
        return;
    default:
        throw platform::VbError(ActError::InvalidParameter,
                                QStringLiteral("Unbekannter Menübefehl %1.").arg(commandId));
    }
}

std::shared_ptr<ACTViews> ActLocalAppObject::Views() { return std::make_shared<ActLocalViews>(m_state); }

} // namespace actserver
