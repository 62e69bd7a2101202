// The sales record class: its fixed fields, its value rules and showing a sale.
#include "clAuftraege.h"

#include "FieldValues.h"
#include "RunningACT.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"

namespace records {

namespace {

constexpr qint16 kUniqueIdField = 1;
constexpr qint16 kUserField = 6;
constexpr qint16 kContactField = 25;
constexpr qint16 kDetailsField = 36;

const ActRecordClass::FixedField *saleFields()
{
    using namespace FieldTypeCode;
    static const ActRecordClass::FixedField fields[] = {
        {kUniqueIdField, IdOrName},
        {35, DateTime},
        {31, DateTime},
        {27, Text},
        {201, Text},
        {200, Text},
        {32, Decimal},
        {33, Decimal},
        {34, Decimal},
        {30, WholeNumber},
        {39, Text},
        {38, Text},
        {kDetailsField, Text},
        {202, Text},
        {kUserField, IdOrName},
        {kContactField, IdOrName},
    };
    return fields;
}
constexpr int kSaleFieldCount = 16;

} // namespace

clAuftraege::clAuftraege() : ActRecordClass(TableKind::Auftraege) {}

std::shared_ptr<actserver::ACTTable> clAuftraege::tableOf(actserver::ACTDatabaseObject &database) const
{
    return database.Sales();
}

void clAuftraege::SetACTFields()
{
    setFixedFields(saleFields(), kSaleFieldCount);
}

void clAuftraege::assignRole(int i, const QString &importName)
{
    if (m_fieldIDs.at(i) == kUniqueIdField)
        m_uniqueIDFieldName = importName;
    else if (m_fieldIDs.at(i) == kContactField)
        m_syncFieldName = importName;
}

QVariant clAuftraege::idValue(int i, const QString &text)
{
    switch (m_fieldIDs.at(i)) {
    case kUniqueIdField:
        return converter().ToHexID(text, QStringLiteral("SL"));
    case kUserField:
        return userName(text);
    case kContactField:
        return isBlank(text) ? QStringLiteral("GruppenAuftrag") : converter().ToHexID(text, QStringLiteral("CO"));
    default:
        return text;
    }
}

std::optional<QVariant> clAuftraege::textValue(int i, const QString &text)
{
    if (m_fieldIDs.at(i) == kDetailsField)
        return firstLine(text);
    return std::nullopt;
}

bool clAuftraege::ShowSale(const QString &sSaleID, const QString &sRelationID)
{
    return showInACT(sSaleID, sRelationID, QStringLiteral("SL"), QStringLiteral("Suche Auftrag..."),
                     &RunningACT::ShowSaleByUniqueID);
}

} // namespace records
