// The start procedure and the program-wide objects.
#include "modHaupt.h"

#include "frmHaupt.h"
#include "frmSplash.h"

#include "platform/UiServices.h"
#include "project/clProjekt.h"
#include "project/modINIFile.h"
#include "records/RecordClassBase.h"
#include "records/frmFelder.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace modHaupt {

std::unique_ptr<records::RecordClassBase> Kontakte;
std::unique_ptr<records::RecordClassBase> Notizen;
std::unique_ptr<records::RecordClassBase> Auftraege;
std::unique_ptr<records::RecordClassBase> Aufgaben;
std::unique_ptr<records::RecordClassBase> ADODaten;
std::unique_ptr<records::RecordClassBase> Gruppen;
std::unique_ptr<project::clProjekt> Projekt;

namespace {

std::unique_ptr<mainwindow::frmHaupt> g_mainWindow;

void showInfo(mainwindow::frmSplash &splash, const QString &text)
{
    splash.lbInfo()->setText(text);
    platform::DoEvents();
}

} // namespace

QList<records::RecordClassBase *> RecordObjectsInCancelOrder()
{
    QList<records::RecordClassBase *> objects;
    for (const auto *slot : {&Kontakte, &Notizen, &Aufgaben, &Auftraege, &ADODaten, &Gruppen})
        if (*slot)
            objects << slot->get();
    return objects;
}

void ReleaseRecordObjects()
{
    for (auto *slot : {&Kontakte, &Notizen, &Auftraege, &Aufgaben, &ADODaten, &Gruppen})
        slot->reset();
}

void UnloadDialogs()
{
    records::frmFelder::Unload();
    if (mainwindow::frmHaupt *window = MainWindow())
        window->UnloadDatenuebersicht();
}

QString CommandLineFromArguments(const QStringList &arguments) { return arguments.join(QLatin1Char(' ')); }

bool IsProjectCommandLine(const QString &commandLine)
{
    if (commandLine.size() <= 4)
        return false;
    if (commandLine.right(4).toLower() != QLatin1String(".dlx"))
        return false;
    return project::FileExists(commandLine);
}

void Main(const QString &commandLine, const mainwindow::MainWindowEnvironment &environment)
{
    auto splash = std::make_unique<mainwindow::frmSplash>();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        splash->move(screen->geometry().center() - splash->rect().center());
    splash->show();
    showInfo(*splash, QStringLiteral("wird gestartet..."));

    Projekt = std::make_unique<project::clProjekt>();
    g_mainWindow = std::make_unique<mainwindow::frmHaupt>(environment);
    mainwindow::frmHaupt &window = *g_mainWindow;
    // Run as commands: a failure is reported like one of a menu command and the program goes on.
    window.RunAsCommand([&window] { window.Form_Load(); });

    if (IsProjectCommandLine(commandLine)) {
        showInfo(*splash, QStringLiteral("Ein Datolux-Projekt wird geöffnet..."));
        window.RunAsCommand([&window, &commandLine] { window.OpenProject(commandLine); });
    }
    splash.reset();
    g_mainWindow->show();
}

mainwindow::frmHaupt *MainWindow() { return g_mainWindow.get(); }

void UnloadMainWindow()
{
    g_mainWindow.reset();
    ReleaseRecordObjects();
    Projekt.reset();
}

} // namespace modHaupt
