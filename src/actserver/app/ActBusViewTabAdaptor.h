// A tab-list object on the bus (ACTViewTab), registered for the client that asked for it.
#pragma once

#include "ACTViewTab.h"
#include "ActBusObject.h"

namespace actserver {

class ActBusViewTabAdaptor final : public ActBusObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.datolux.ACT.ViewTab")
public:
    ActBusViewTabAdaptor(ActBusServer &server, std::shared_ptr<ACTViewTab> tab);
    void setPath(const QString &path) { m_path = path; }

public slots:
    int GetRowNumber(const QString &uniqueId);
    int GoTo(int row);
    void Release();

private:
    std::shared_ptr<ACTViewTab> m_tab;
    QString m_path;
};

} // namespace actserver
