// Turns an ACT! group's unique ID into the group's name, from the group file of the database read
// once through the ACT! table reader; ACT! need not run.
#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

class InfoZoomTable;

namespace actlink {
class clACTFinder;
}
namespace dao {
class Recordset;
}

namespace records {

class clGruppenliste final
{
public:
    clGruppenliste();
    ~clGruppenliste();

    // Databasepath: the ACT! contact file (NAME.dbf). Reads every group once; a failure shows in the
    // status line of table (may be null) and gives false, after which every Name is "Unbekannt".
    bool Init(const QString &Databasepath, InfoZoomTable *table);

    // The name of the group with this unique ID (filled up to 12 characters with blanks): "" for an
    // empty or blank ID and for a group without a name, "Unbekannt" for an ID no group has.
    QString Name(const QString &sUniqueID);

private:
    void setStatus(const QString &text);

    std::unique_ptr<actlink::clACTFinder> m_finder;
    std::unique_ptr<dao::Recordset> m_groups;
    long m_groupCount = 0;
    InfoZoomTable *m_table = nullptr;

    Q_DISABLE_COPY_MOVE(clGruppenliste)
};

} // namespace records
