// Forwards the transfer cursor to the ACT! table.
#include "ActTableSource.h"

#include "actserver/ACTTable.h"

namespace records {

long ActTableSource::RecordCount() { return m_table ? m_table->RecordCount() : 0; }

void ActTableSource::MoveFirst()
{
    if (m_table)
        m_table->MoveFirst();
}

void ActTableSource::MoveNext()
{
    if (m_table)
        m_table->MoveNext();
}

long ActTableSource::GetDataEx(const QVector<qint16> &ids, QStringList &values)
{
    m_table->GetDataEx(ids, values);
    return m_table->LastError();
}

} // namespace records
