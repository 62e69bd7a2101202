// What the status line says around a command that reads a table: its start text never outlives the
// command, and its end says what the read achieved; and the save question that names a table whose
// read was broken off.
#pragma once

#include <QString>

namespace records {
class RecordClassBase;
}

namespace mainwindow {

class frmHaupt;

// Shows a command's start text and keeps it from outliving the command: left while the status line
// still shows it, the command ends with an empty line, or, when a failure ends it, with failedText,
// or with how far the watched read came when the failure broke it off.
class StartText
{
public:
    StartText(frmHaupt &window, const QString &text, const QString &failedText);
    ~StartText();
    void watch(const records::RecordClassBase *record) { m_record = record; }

private:
    frmHaupt &m_window;
    QString m_text;
    QString m_failedText;
    const records::RecordClassBase *m_record = nullptr;
    int m_failures;
};

// True when the last read of record may be recorded in the project: it was not refused for a file
// it could not read (a broken-off read is recorded, and says so).
bool ReadTookPlace(const records::RecordClassBase &record);
// The text a read command ends with: doneText after a complete read, the record's own text after a
// broken-off one, failedText when the read's files could not be read.
QString ReadEndText(const records::RecordClassBase &record, const QString &doneText, const QString &failedText);

// "Sollen zuvor die Änderungen im Projekt "Name" gespeichert werden?", and a line for each table on
// screen whose last read was broken off, so that a save of it is a knowing choice.
QString SaveChangesQuestion();

} // namespace mainwindow
