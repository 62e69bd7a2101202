// Forwards the activities transfer to the ACT! activity table.
#include "ActActivitySource.h"

#include "actserver/ACTTable.h"

namespace records {

long ActActivitySource::RecordCount()
{
    return m_table ? m_table->RecordCount() : 0;
}

void ActActivitySource::MoveFirst()
{
    if (m_table)
        m_table->MoveFirst();
}

void ActActivitySource::MoveNext()
{
    if (m_table)
        m_table->MoveNext();
}

long ActActivitySource::GetDataEx(const QVector<qint16> &ids, QStringList &values)
{
    m_table->GetDataEx(ids, values);
    return m_table->LastError();
}

QString ActActivitySource::FirstScheduledWith()
{
    return m_table ? m_table->FirstScheduledWith() : QString();
}

QString ActActivitySource::NextScheduledWith()
{
    return m_table ? m_table->NextScheduledWith() : QString();
}

} // namespace records
