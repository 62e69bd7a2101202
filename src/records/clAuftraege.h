// The record class of the sales: reads every sale of the ACT! database into the lower table
// (sixteen fixed fields), reloads a stored sales table and shows one sale in the running ACT!.
#pragma once

#include "ActRecordClass.h"

namespace records {

class clAuftraege final : public ActRecordClass
{
public:
    clAuftraege();

    // The sixteen fields with their labels and the users; without a database only the notice
    // "Es ist keine ACT!-Datenbank geöffnet.".
    void SetACTFields();
    // Shows the sale sSaleID (a HexID of type "SL") of the contact sRelationID (a HexID) in ACT!.
    bool ShowSale(const QString &sSaleID, const QString &sRelationID);

protected:
    std::shared_ptr<actserver::ACTTable> tableOf(actserver::ACTDatabaseObject &database) const override;
    void assignRole(int i, const QString &importName) override;
    QVariant idValue(int i, const QString &text) override;
    std::optional<QVariant> textValue(int i, const QString &text) override;

private:
};

} // namespace records
