// The start-up module: the start procedure, the program-wide objects (the project and one
// record object per kind of data) and the main window's single instance.
#pragma once

#include "MainWindowEnvironment.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace project {
class clProjekt;
}
namespace records {
class RecordClassBase;
}

namespace mainwindow {
class frmHaupt;
}

namespace modHaupt {

// Record objects, one per kind; empty until a command creates them.
extern std::unique_ptr<records::RecordClassBase> Kontakte;
extern std::unique_ptr<records::RecordClassBase> Notizen;
extern std::unique_ptr<records::RecordClassBase> Auftraege;
extern std::unique_ptr<records::RecordClassBase> Aufgaben;
extern std::unique_ptr<records::RecordClassBase> ADODaten;
extern std::unique_ptr<records::RecordClassBase> Gruppen;

// The project; exists from start-up until the main window is unloaded.
extern std::unique_ptr<project::clProjekt> Projekt;

// The record objects that exist, in the order a cancel click reaches them.
QList<records::RecordClassBase *> RecordObjectsInCancelOrder();
// Releases the six record objects, Kontakte first.
void ReleaseRecordObjects();
// Closes the dialogs that live beside the main window (field selection, data overview).
void UnloadDialogs();

// The program's command line: its arguments (without the program's name) joined by single blanks.
QString CommandLineFromArguments(const QStringList &arguments);
// True when the whole command line names a project file: longer than 4 characters, ending in
// ".dlx" in any case, and naming an existing file. No quotes are removed.
bool IsProjectCommandLine(const QString &commandLine);

// The start procedure: splash window, project, main window loaded, the project of the command
// line opened, main window shown.
void Main(const QString &commandLine, const mainwindow::MainWindowEnvironment &environment);

// The main window, or null before Main and after UnloadMainWindow.
mainwindow::frmHaupt *MainWindow();
// Destroys the main window (after the event loop ended) and whatever program-wide object is left.
void UnloadMainWindow();

} // namespace modHaupt
