// An ACT! table (contacts, notes, sales, activities, groups) as the source of a ShowData transfer.
#pragma once

#include "RecordSource.h"

namespace actserver {
class ACTTable;
}

namespace records {

class ActTableSource final : public RecordSource
{
public:
    // A null table is an empty source.
    explicit ActTableSource(actserver::ACTTable *table) : m_table(table) {}

    long RecordCount() override;
    void MoveFirst() override;
    void MoveNext() override;
    long GetDataEx(const QVector<qint16> &ids, QStringList &values) override;
    // The table reads its files itself and reports through return values and exceptions only.
    bool readsOnAnyThread() const override { return m_table != nullptr; }

private:
    actserver::ACTTable *m_table;
};

} // namespace records
