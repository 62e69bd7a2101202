// The read and re-read commands of the notes and the sales: what the two kinds plug into the lower
// table's shared command frames.
#pragma once

#include "LowerTableCommands.h"

#include <QObject>

namespace mainwindow {

class frmHaupt;

class NotesSalesCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NotesSalesCommands)

public:
    // Registers mnuReadNotes, mnuReadSales, mnuUpdateNotes and mnuUpdateSales with the window,
    // which owns the object.
    static NotesSalesCommands *Register(frmHaupt &window);

    const LowerKind &Notes() const { return m_notes; }
    const LowerKind &Sales() const { return m_sales; }

private:
    explicit NotesSalesCommands(frmHaupt &window);

    LowerKind notesKind();
    LowerKind salesKind();
    // Init with the lower table, the status panel and the contacts' open database.
    template <typename RecordClass> std::function<bool(records::RecordClassBase &)> initWithDatabase();
    // The fixed fields; without a database the notice of the record class, and a re-read ends
    // with the kind's failure text instead of recording an empty read.
    template <typename RecordClass>
    std::function<bool(records::RecordClassBase &)> setUpFields(const QString &failedText);

    frmHaupt &m_window;
    LowerKind m_notes;
    LowerKind m_sales;
};

} // namespace mainwindow
