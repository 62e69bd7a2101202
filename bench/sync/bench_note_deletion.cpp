// Speed of the note deletion end to end: 10,000 notes selected across the whole lower table, of
// 100,000 and of 1,000,000 notes read from a demo database, deleted through the notes record object
// from the notes file, their rows removed from the table shown in the main window, up to the end
// of the command.
#include "BenchDemoDatabase.h"
#include "BenchMain.h"
#include "BenchSize.h"
#include "actserver/ACTDatabaseObject.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"
#include "mainwindow/NoteDeletion.h"
#include "mainwindow/frmHaupt.h"
#include "mainwindow/modHaupt.h"
#include "platform/ScriptedUi.h"
#include "project/clProjekt.h"
#include "records/clNotizen.h"

#include <QApplication>
#include <QLabel>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const int kDeleted = benchSize(10000);

// A main window whose lower table holds every note of a demo database of `contacts` contacts
// (the demo writes 2.5 notes per contact).
struct NotesWindow
{
    std::shared_ptr<actserver::ACTDatabaseObject> database = std::make_shared<actserver::ACTDatabaseObject>();
    std::unique_ptr<mainwindow::frmHaupt> window;
    std::unique_ptr<records::clNotizen> notes = std::make_unique<records::clNotizen>();
    QLabel status;

    NotesWindow(int contacts, const char *name)
    {
        database->Open(benchDemoDatabase(contacts, QString::fromLatin1(name)));
        if (!database->IsOpen())
            qFatal("database did not open");
        mainwindow::MainWindowEnvironment env;
        env.getOption = [](const QString &) { return QVariant(); };
        env.setOption = [](const QString &, const QVariant &) {};
        env.screenSizeTwips = [] { return QSize(1600 * 15, 1000 * 15); };
        modHaupt::Projekt = std::make_unique<project::clProjekt>();
        window = std::make_unique<mainwindow::frmHaupt>(env);
        window->Form_Load();
        window->resize(1200, 800);
        window->show();
        notes->Init(window->InfoZoomExtra(), &status, database);
        notes->SetACTFields();
        notes->ShowData();
        QApplication::processEvents();
    }
    ~NotesWindow()
    {
        notes.reset();
        window.reset();
        modHaupt::UnloadMainWindow();
    }
};

// One window at a time: the main window's state is global, and the larger table needs the memory.
NotesWindow &notesWindow(int contacts, const char *name)
{
    static std::unique_ptr<NotesWindow> made;
    static int madeFor = 0;
    if (!made || madeFor != contacts) {
        if (!made)
            benchBeforeQuit([] { made.reset(); });
        made.reset();
        made = std::make_unique<NotesWindow>(contacts, name);
        madeFor = contacts;
    }
    return *made;
}

// Selects kDeleted notes spread evenly over the table, so that the walk passes every row.
void selectSpread(InfoZoomTable *table, InfoZoomAttribute noteId)
{
    InfoZoomObjects rows = table->Objects();
    rows.Reset();
    const int total = rows.Count();
    const int step = std::max(1, total / kDeleted);
    for (int i = 0; i < total; ++i) {
        const InfoZoomObject row = rows.NextObject();
        if (i % step == 0 && i / step < kDeleted)
            noteId.SelectValue(row.Value(noteId), true);
    }
}

void deleteNotes(benchmark::State &state, NotesWindow &w)
{
    InfoZoomTable *table = w.window->InfoZoomExtra()->Table();
    const InfoZoomAttribute noteId = w.notes->UniqueIDAttribute();
    const int before = table->Objects().Count();
    auto &ui = static_cast<platform::ScriptedUi &>(platform::ui());
    mainwindow::NoteDeletion deletion(*w.window);
    for (auto _ : state) {
        state.PauseTiming();
        selectSpread(table, noteId);
        ui.expectMsgBox(platform::MsgIcon::Question, QStringLiteral("Notiz(en) unwiderruflich"),
                        platform::MsgAnswer::Yes);
        state.ResumeTiming();
        deletion.DeleteSelectedNotes(noteId, [&w](const QString &id) { return w.notes->DeleteNote(id); });
        QApplication::processEvents();
    }
    const int deleted = before - table->Objects().Count();
    if (deleted != kDeleted * int(state.iterations()))
        state.SkipWithError("not every selected note was deleted");
    state.counters["rows"] = before;
    state.counters["notes/s"] = benchmark::Counter(double(deleted), benchmark::Counter::kIsRate);
}

// 40,000 contacts: 100,000 notes.
void BM_DeleteNotesOf100000(benchmark::State &state)
{
    deleteNotes(state, notesWindow(benchSize(40000), "Hunderttausend"));
}
BENCHMARK(BM_DeleteNotesOf100000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// 400,000 contacts: 1,000,000 notes.
void BM_DeleteNotesOf1000000(benchmark::State &state)
{
    deleteNotes(state, notesWindow(benchSize(400000), "Million"));
}
BENCHMARK(BM_DeleteNotesOf1000000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
