// The group table of a private ACT! database object opened on the database of the running ACT!,
// as the group lookup of the application wrapper reads it.
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace actlink {

class ActGroupTable
{
public:
    virtual ~ActGroupTable() = default;
    virtual void GoTo(const QString &uniqueId) = 0;
    virtual QString Data(int fieldId) = 0;
    // 0 for a main group, 1 for a subgroup.
    virtual int GroupType() = 0;
    virtual QString GetParent() = 0;
};

// Opens the table; throws platform::VbError when the database object cannot be made.
using ActGroupTableFactory = std::function<std::unique_ptr<ActGroupTable>()>;

} // namespace actlink
