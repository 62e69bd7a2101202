// Speed of the synchronisation: 10,000 selected contact IDs against 100,000 notes, in both
// directions, on tables shown in their controls, with the progress texts letting events run; the
// views are paused as the commands pause them and brought up to date inside the measured time.
// Beside it, the lookup in ACT! of 100,000 contacts all selected by one value of another column.
#include "BenchDemoDatabase.h"
#include "BenchMain.h"
#include "BenchSize.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"
#include "mainwindow/DisplayPause.h"
#include "mainwindow/SyncTable.h"
#include "platform/ScriptedUi.h"
#include "records/RunningACT.h"
#include "records/clKontakte.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const int kContacts = benchSize(30000);
const int kNotes = benchSize(100000);
const int kSelected = benchSize(10000);

QString contactId(int i)
{
    return QStringLiteral("CO%1").arg(i, 24, 16, QLatin1Char('0')).toUpper();
}

struct Tables
{
    InfoZoomControl contacts;
    InfoZoomControl notes;
    InfoZoomAttribute contactId;
    InfoZoomAttribute noteContact;
    QLabel status;

    Tables()
    {
        contactId = contacts.Table()->Attributes().Add(QStringLiteral("Kontakt-ID"));
        InfoZoomAttribute name = contacts.Table()->Attributes().Add(QStringLiteral("Firma"));
        InfoZoomObjects rows = contacts.Table()->Objects();
        for (int i = 0; i < kContacts; ++i) {
            InfoZoomObject row = rows.Add();
            row.setValue(contactId, ::contactId(i));
            row.setValue(name, QStringLiteral("Firma %1").arg(i));
        }
        noteContact = notes.Table()->Attributes().Add(QStringLiteral("Kontakt"));
        InfoZoomAttribute text = notes.Table()->Attributes().Add(QStringLiteral("Notiz"));
        InfoZoomObjects noteRows = notes.Table()->Objects();
        for (int i = 0; i < kNotes; ++i) {
            InfoZoomObject row = noteRows.Add();
            // Every third contact has ten notes, so two thirds of a selection of contacts find none.
            row.setValue(noteContact, ::contactId((i * 3) % kContacts));
            row.setValue(text, QStringLiteral("Notiz %1").arg(i));
        }
        contacts.resize(1200, 500);
        notes.resize(1200, 500);
        contacts.show();
        notes.show();
        QApplication::processEvents();
    }
};

Tables &tables() { return benchShared<Tables>(); }

void progress(QLabel &status, const QString &text)
{
    status.setText(text);
    QApplication::processEvents();
}

// Source: the contacts' ID with 10,000 selected contacts; destination: the notes' contact column.
void BM_NotesFromContacts(benchmark::State &state)
{
    Tables &t = tables();
    qint32 found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        t.notes.Table()->ShowAll();
        t.contacts.Table()->ShowAll();
        t.contacts.Table()->ResetSelection();
        for (int i = 0; i < kSelected; ++i)
            t.contactId.SelectValue(contactId(i * 2), true);
        QApplication::processEvents();
        state.ResumeTiming();
        const mainwindow::DisplayPause pause({&t.contacts, &t.notes});
        found =
            mainwindow::SyncTable(t.notes.Table(), t.contactId, t.noteContact, false, true, [&t](const QString &text) {
                progress(t.status, text);
            }).found;
        QApplication::processEvents();
    }
    state.counters["found"] = found;
    state.counters["rows in view"] = t.notes.Table()->CurrentObjects().Count();
}
BENCHMARK(BM_NotesFromContacts)->Unit(benchmark::kMillisecond)->Iterations(10);

// Source: the notes' contact column with 10,000 selected contacts; destination: the contacts' ID.
void BM_ContactsFromNotes(benchmark::State &state)
{
    Tables &t = tables();
    qint32 found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        t.contacts.Table()->ShowAll();
        t.notes.Table()->ShowAll();
        t.notes.Table()->ResetSelection();
        for (int i = 0; i < kSelected; ++i)
            t.noteContact.SelectValue(contactId(i * 3), true);
        QApplication::processEvents();
        state.ResumeTiming();
        const mainwindow::DisplayPause pause({&t.contacts, &t.notes});
        found = mainwindow::SyncTable(t.contacts.Table(), t.noteContact, t.contactId, false, true,
                                      [&t](const QString &text) { progress(t.status, text); })
                    .found;
        QApplication::processEvents();
    }
    state.counters["found"] = found;
    state.counters["rows in view"] = t.contacts.Table()->CurrentObjects().Count();
}
BENCHMARK(BM_ContactsFromNotes)->Unit(benchmark::kMillisecond)->Iterations(10);

// A contacts table of 100,000 contacts over an open (small) database, all in one country, and a
// running ACT! that takes the lookup and keeps its size.
struct AllContacts
{
    static inline const int kCount = benchSize(100000);

    class LookupACT final : public records::RunningACT
    {
    public:
        LookupACT(QString database, qsizetype &idChars) : m_database(std::move(database)), m_idChars(idChars) {}
        bool ACTgestartet() override { return true; }
        QString ACTDatenbank() override { return m_database; }
        bool CreateContactSearch(const QString &ids) override
        {
            m_idChars = ids.size();
            return true;
        }
        void Zeigen() override {}

    private:
        QString m_database;
        qsizetype &m_idChars;
    };

    InfoZoomControl control;
    QLabel status;
    QLabel info;
    records::clKontakte kontakte;
    InfoZoomAttribute country;
    qsizetype idChars = 0;

    AllContacts()
    {
        kontakte.Init(&control, &status, &info);
        if (!kontakte.OpenDatabase(benchDemoDatabase(20, QStringLiteral("Suche")), QString(), QString()))
            qFatal("database did not open");
        InfoZoomAttribute id = control.Table()->Attributes().Add(QStringLiteral("Eindeutige ID"));
        id.setImportName(QStringLiteral("ACTFieldID|1"));
        country = control.Table()->Attributes().Add(QStringLiteral("Land"));
        InfoZoomObjects rows = control.Table()->Objects();
        for (int i = 0; i < kCount; ++i) {
            InfoZoomObject row = rows.Add();
            // The typed form of a 12-character ACT! ID.
            row.setValue(id, QStringLiteral("CO") +
                                 QString::fromLatin1(QByteArray::number(i).rightJustified(12, 'A').toHex().toUpper()));
            row.setValue(country, QStringLiteral("Deutschland"));
        }
        kontakte.setUniqueIDFieldName(id.ImportName());
        records::RunningACT::setFactory(
            [this] { return std::make_unique<LookupACT>(kontakte.Databasepath(), idChars); });
        control.resize(1200, 500);
        control.show();
        QApplication::processEvents();
    }
    ~AllContacts() { records::RunningACT::setFactory({}); }
};

// One click on the country selects every contact; the lookup then hands ACT! all their IDs.
void BM_LookupOfAllContactsSelectedByCountry(benchmark::State &state)
{
    AllContacts &t = benchShared<AllContacts>();
    for (auto _ : state) {
        state.PauseTiming();
        t.control.Table()->ResetSelection();
        t.idChars = 0;
        QApplication::processEvents();
        state.ResumeTiming();
        t.country.SelectValue(QStringLiteral("Deutschland"), false);
        if (!t.kontakte.CreateACTSearch())
            state.SkipWithError("no lookup");
        QApplication::processEvents();
    }
    if (t.idChars != qsizetype(AllContacts::kCount) * 12)
        state.SkipWithError("not every contact was looked up");
    state.counters["contacts"] = double(t.idChars / 12);
}
BENCHMARK(BM_LookupOfAllContactsSelectedByCountry)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
