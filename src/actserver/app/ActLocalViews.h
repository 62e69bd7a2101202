// The views of the running application, in-process.
#pragma once

#include "ACTViews.h"
#include "ActAppState.h"

namespace actserver {

class ActLocalViews final : public ACTViews
{
public:
    explicit ActLocalViews(ActAppState &state) : m_state(state) {}

    std::shared_ptr<ACTView> GetActive() override;
    std::shared_ptr<ACTView> Create(int viewType, const QVariant &mode) override;

    // Whether a Create mode asks to open the view in the window ("") rather than for an object (2).
    static bool opensView(const QVariant &mode);

private:
    ActAppState &m_state;
};

} // namespace actserver
