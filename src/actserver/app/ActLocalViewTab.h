// A tab list of the running application, in-process: the notes, sales or activities of the current
// record of a contact or group view.
#pragma once

#include "ACTViewTab.h"
#include "ActAppState.h"

namespace actserver {

class ActLocalViewTab final : public ACTViewTab
{
public:
    ActLocalViewTab(ActAppState &state, int viewType, ActTab tab);

    int GetRowNumber(const QString &uniqueId) override;
    int GoTo(int row) override;

private:
    ActAppState &m_state;
    int m_viewType;
    ActTab m_tab;
};

} // namespace actserver
