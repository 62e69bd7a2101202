// The source of a ShowData transfer: a cursor over records whose fields are read in one call.
#pragma once

#include <QStringList>
#include <QVector>
#include <QtGlobal>

namespace records {

class RecordSource
{
public:
    virtual ~RecordSource() = default;
    virtual long RecordCount() = 0;
    virtual void MoveFirst() = 0;
    virtual void MoveNext() = 0;
    // Reads the fields ids of the current record into values; returns the error code (0 = read).
    virtual long GetDataEx(const QVector<qint16> &ids, QStringList &values) = 0;
    // True when another thread may do the reading (nothing of it is bound to the calling thread).
    virtual bool readsOnAnyThread() const { return false; }
};

} // namespace records
