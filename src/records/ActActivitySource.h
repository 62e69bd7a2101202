// The activity table of an open ACT! database as the source of an activities transfer.
#pragma once

#include "ActivitySource.h"

namespace actserver {
class ACTTable;
}

namespace records {

class ActActivitySource final : public ActivitySource
{
public:
    // A null table is an empty source.
    explicit ActActivitySource(actserver::ACTTable *table) : m_table(table) {}

    long RecordCount() override;
    void MoveFirst() override;
    void MoveNext() override;
    long GetDataEx(const QVector<qint16> &ids, QStringList &values) override;
    QString FirstScheduledWith() override;
    QString NextScheduledWith() override;

private:
    actserver::ACTTable *m_table;
};

} // namespace records
