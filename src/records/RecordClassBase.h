// Common base of the six record classes: what the main window may ask of any record object,
// whatever kind of data it reads.
#pragma once

#include <QtGlobal>

namespace records {

class RecordClassBase
{
public:
    virtual ~RecordClassBase() = 0;

    // Set by the main window's cancel click; the long loops of the record class poll it after
    // each progress step and stop.
    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel) { m_cancel = cancel; }

protected:
    RecordClassBase() = default;

private:
    Q_DISABLE_COPY_MOVE(RecordClassBase)

    bool m_cancel = false;
};

} // namespace records
