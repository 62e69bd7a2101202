// Application object on the bus: forwards to the in-process application object.
#include "ActBusAppAdaptor.h"

#include "ActBusServer.h"
#include "ActBusViewsAdaptor.h"

namespace actserver {

ActBusAppAdaptor::ActBusAppAdaptor(ActBusServer &server, ActAppState &state) : ActBusObject(server), m_state(state), m_app(state) {}

QString ActBusAppAdaptor::GetOpenDBName()
{
    return guarded<QString>([&] { return m_app.GetOpenDBName(); }, QString());
}

QString ActBusAppAdaptor::GetUserId()
{
    return guarded<QString>([&] { return m_app.GetUserId(); }, QString());
}

QString ActBusAppAdaptor::GetCurrentUserName()
{
    return guarded<QString>([&] { return m_app.GetCurrentUserName(); }, QString());
}

QString ActBusAppAdaptor::GetVersion(int kind)
{
    return guarded<QString>([&] { return m_app.GetVersion(kind); }, QString());
}

void ActBusAppAdaptor::Show(bool show)
{
    guardedVoid([&] { m_app.Show(show); });
}

void ActBusAppAdaptor::Minimize()
{
    guardedVoid([&] { m_app.Minimize(); });
}

int ActBusAppAdaptor::OpenDB(const QString &path)
{
    return guarded<int>([&] { return m_app.OpenDB(path); }, 0);
}

int ActBusAppAdaptor::CloseDB()
{
    return guarded<int>([&] { return m_app.CloseDB(); }, 0);
}

void ActBusAppAdaptor::Command(int commandId)
{
    guardedVoid([&] { m_app.Command(commandId); });
}

QDBusObjectPath ActBusAppAdaptor::Views()
{
    return guarded<QDBusObjectPath>(
        [&] {
            auto *views = new ActBusViewsAdaptor(m_server, m_app.Views());
            const QDBusObjectPath path = m_server.publish(views, QStringLiteral("Views"), caller());
            views->setPath(path.path());
            return path;
        },
        QDBusObjectPath(bus::nullPath()));
}

QVariantMap ActBusAppAdaptor::WindowState()
{
    QVariantMap result;
    const int viewType = m_state.activeViewType();
    result.insert(QStringLiteral("view"), viewType);
    if (!m_state.isOpen() || viewType == 0)
        return result;
    const ActAppState::Side &side = m_state.side(viewType);
    result.insert(QStringLiteral("lookup"), side.ids);
    result.insert(QStringLiteral("current"), m_state.currentId(viewType));
    result.insert(QStringLiteral("activeTab"), side.activeTab);
    int row = -1;
    QString rowId;
    for (ActTab tab : ActAppState::tabs()) {
        if (ActAppState::tabCaption(tab) != side.activeTab || !side.selectedRows.contains(int(tab)))
            continue;
        row = side.selectedRows.value(int(tab));
        rowId = m_state.tabRecordIds(viewType, tab).value(row);
    }
    result.insert(QStringLiteral("selectedRow"), row);
    result.insert(QStringLiteral("selectedId"), rowId);
    return result;
}

} // namespace actserver
