// The views of the running ACT! (automation object ACTViews): the active one, view objects for
// automation, and opening a view in the window.
#pragma once

#include "ACTView.h"

#include <QVariant>
#include <memory>

namespace actserver {

class ACTViews
{
public:
    virtual ~ACTViews() = default;
    // The view shown in the window; null when there is none (no database open).
    virtual std::shared_ptr<ACTView> GetActive() = 0;
    // mode 2 gives a view object of the type for automation (the window keeps its view); "" opens a
    // view of that type in the window and gives it. Null for an unknown type or without a database.
    virtual std::shared_ptr<ACTView> Create(int viewType, const QVariant &mode) = 0;
};

} // namespace actserver
