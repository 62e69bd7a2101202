// The read and re-read commands that every kind of the lower table shares: what a kind plugs in
// (texts, its record variable and descriptor, how its object is made, initialised and filled) and
// the two command frames that run on it.
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace project {
class clFOX;
}
namespace records {
class RecordClassBase;
}

namespace mainwindow {

class frmHaupt;

// What one kind of the lower table plugs into the shared read and re-read frame.
struct LowerKind
{
    QString tag;                     // the lower table's tag for the kind: "Notizen", "Aufträge", ...
    QString loadingText;             // while the stored table loads
    QString loadedText;              // after it loaded
    QString loadFailedText;          // Init refused, or the load failed
    QString readAnewQuestion;        // asked when the descriptor names no file
    QString readAnewQuestionMissing; // third line after "wurde nicht gefunden."
    bool saveQuestionFirst = true;   // whether another kind's changed project is offered for saving
    QString rereadCommand;           // the menu item run after a Yes to a read-anew question
    QString rereadStartText;
    QString rereadDoneText;
    QString rereadFailedText;
    std::unique_ptr<records::RecordClassBase> *variable = nullptr; // the kind's modHaupt record variable
    std::function<project::clFOX &()> descriptor;                    // the kind's descriptor in the project
    std::function<std::unique_ptr<records::RecordClassBase>()> create;
    std::function<bool(records::RecordClassBase &)> init; // Init with the kind's arguments
    // Field set-up before the load (after the controls are disabled) or before the read (before
    // they are, so a field dialog can come); null for none.
    // False ends a re-read without a further text (a cancelled field dialog); a read ignores it.
    std::function<bool(records::RecordClassBase &)> setUpFields;
    std::function<void(records::RecordClassBase &)> showData;
    std::function<void(records::RecordClassBase &, const QString &)> loadData;
};

class LowerTableCommands
{
public:
    // The read command: save question, file check and read-anew questions, then the stored
    // table loaded into the lower table and the descriptor's date, sync and unique-ID attribute
    // given to the new record object. The menu state is recomputed on every path.
    static void Read(frmHaupt &window, const LowerKind &kind);
    // The re-read of an ACT! kind: a new record object reads every record anew into the lower
    // table (which is not emptied first) and its date, sync and unique-ID attribute go into the
    // descriptor, which marks the project changed.
    static void Reread(frmHaupt &window, const LowerKind &kind);
    // The end of a re-read once the record object's ShowData returned: unless the read's files could
    // not be read, the descriptor takes its date, sync and unique-ID attribute and the overview is
    // refilled; the window is enabled again and the status line says how the read ended.
    static void RecordReread(frmHaupt &window, const LowerKind &kind, const records::RecordClassBase &record);

    // The question that offers to read a kind anew, with the recorded path when its file is gone.
    static QString ReadAnewQuestion(const LowerKind &kind, const QString &recordedFile);
};

} // namespace mainwindow
