// Deletion of the notes selected in the lower table from the ACT! database, after one
// confirmation: each note is deleted by the notes record object, its row leaves the table, and the
// counts of deleted and refused notes are reported as the walk goes on; a cancel click stops it
// after the current row.
#pragma once

#include "infozoom/InfoZoomAttribute.h"

#include <QObject>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace mainwindow {

class frmHaupt;

class NoteDeletion final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoteDeletion)

public:
    // Deletes the note of a 12-character ACT! unique ID; true when ACT! deleted it.
    using DeleteNote = std::function<bool(const QString &uniqueId)>;

    // Rows passed over without a progress text before the next one. Counted from the last text, not
    // from the start: a text at every 157th row would mostly follow a processed row's own text at
    // once, telling nothing new and costing a repaint per hundred rows of a large table.
    static constexpr int ProgressEvery = 157;

    explicit NoteDeletion(frmHaupt &window);

    // Registers mnuDeleteNotes with the window, which owns the object.
    static NoteDeletion *Register(frmHaupt &window);
    // Deletes the selected notes through the notes record object.
    void mnuDeleteNotes_Click();

    // The command from the lower table's tag on, with the notes' unique-ID attribute and the
    // deletion of one note given by the caller. A missing attribute raises error 91 before the
    // question.
    void DeleteSelectedNotes(const InfoZoomAttribute &uniqueIdAttribute, const DeleteNote &deleteNote);

private:
    struct Counts
    {
        qint32 selected = 0;
        qint32 deleted = 0;
        qint32 errors = 0;
    };

    // The walk over every row of the table; false when the user cancelled.
    bool Walk(const QList<quint32> &chosenRows, const InfoZoomAttribute &uniqueIdAttribute,
              const DeleteNote &deleteNote, Counts &counts);
    void Finish(const Counts &counts);
    QString Tally(const Counts &counts) const;

    frmHaupt &m_window;
};

} // namespace mainwindow
