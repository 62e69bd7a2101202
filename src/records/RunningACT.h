// What the record classes and the project commands ask of the running ACT!: whether it runs, which
// database it has open, building a contact lookup, showing a group and coming forward. A new object
// is made for each action. By default it is the ACT! application wrapper; tests install a double.
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace records {

class RunningACT
{
public:
    virtual ~RunningACT() = default;
    virtual bool ACTgestartet() = 0;
    // Path of the database open in ACT!; "" when ACT! does not run or has none open.
    virtual QString ACTDatenbank() = 0;
    // A contact lookup of the concatenated 12-character IDs; true when it was made.
    virtual bool CreateContactSearch(const QString &ids) = 0;
    // Brings ACT!'s window forward.
    virtual void Zeigen() = 0;
    // Makes the group with this 12-character ID current in ACT!'s group view, all groups looked up
    // first when lookupAll is set; false when it could not (reported by the wrapper). A double that
    // shows no groups keeps the default.
    virtual bool ShowGroupByUniqueID(const QString &uniqueId, bool lookupAll) { return false; }
    // Shows the note, sale or activity with this 12-character ID on its tab of the current
    // contact; true when ACT! found it. A double that shows no records keeps the default.
    virtual bool ShowNoteByUniqueID(const QString &id) { return false; }
    virtual bool ShowSaleByUniqueID(const QString &id) { return false; }
    virtual bool ShowActivityByUniqueID(const QString &id) { return false; }

    // A new wrapper from the installed factory (the application wrapper when none is installed).
    static std::unique_ptr<RunningACT> create();
    static void setFactory(std::function<std::unique_ptr<RunningACT>()> factory);
};

} // namespace records
