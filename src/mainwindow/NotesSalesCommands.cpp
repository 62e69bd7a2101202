// The notes and sales kinds of the lower table: their texts, record variables, descriptors and the
// calls on their record classes.
#include "NotesSalesCommands.h"

#include "StatusBarPanel.h"
#include "frmHaupt.h"
#include "modHaupt.h"
#include "project/clProjekt.h"
#include "records/clAuftraege.h"
#include "records/clKontakte.h"
#include "records/clNotizen.h"

namespace mainwindow {

namespace {

// The ShowData and LoadData of the kind's record class.
template <typename RecordClass> void plugInReading(LowerKind &kind)
{
    kind.create = [] { return std::unique_ptr<records::RecordClassBase>(new RecordClass()); };
    kind.showData = [](records::RecordClassBase &record) { static_cast<RecordClass &>(record).ShowData(); };
    kind.loadData = [](records::RecordClassBase &record, const QString &file) {
        static_cast<RecordClass &>(record).LoadData(file);
    };
}

} // namespace

NotesSalesCommands::NotesSalesCommands(frmHaupt &window)
    : QObject(&window), m_window(window), m_notes(notesKind()), m_sales(salesKind())
{
}

NotesSalesCommands *NotesSalesCommands::Register(frmHaupt &window)
{
    auto *c = new NotesSalesCommands(window);
    window.AddCommand(QStringLiteral("mnuReadNotes"), [c] { LowerTableCommands::Read(c->m_window, c->m_notes); });
    window.AddCommand(QStringLiteral("mnuReadSales"), [c] { LowerTableCommands::Read(c->m_window, c->m_sales); });
    window.AddCommand(QStringLiteral("mnuUpdateNotes"), [c] { LowerTableCommands::Reread(c->m_window, c->m_notes); });
    window.AddCommand(QStringLiteral("mnuUpdateSales"), [c] { LowerTableCommands::Reread(c->m_window, c->m_sales); });
    return c;
}

template <typename RecordClass> std::function<bool(records::RecordClassBase &)> NotesSalesCommands::initWithDatabase()
{
    return [this](records::RecordClassBase &record) {
        records::clKontakte *kontakte = m_window.Kontakte();
        return static_cast<RecordClass &>(record).Init(m_window.InfoZoomExtra(), m_window.StatusPanel(),
                                                       kontakte ? kontakte->ACTOLEDatabase() : nullptr);
    };
}

template <typename RecordClass>
std::function<bool(records::RecordClassBase &)> NotesSalesCommands::setUpFields(const QString &failedText)
{
    return [this, failedText](records::RecordClassBase &record) {
        static_cast<RecordClass &>(record).SetACTFields();
        // Without a database nothing is read: recording that as a read would empty the
        // descriptor's attribute names and report success.
        if (record.FieldCount() > 0)
            return true;
        m_window.SetStatusBarText(failedText);
        return false;
    };
}

LowerKind NotesSalesCommands::notesKind()
{
    LowerKind kind;
    kind.tag = QStringLiteral("Notizen");
    kind.loadingText = QStringLiteral("Die Notizdaten werden geladen...");
    kind.loadedText = QStringLiteral("Die Notizdaten wurden geladen.");
    kind.loadFailedText = QStringLiteral("Die Notizdaten konnten nicht geladen werden!");
    kind.readAnewQuestion = QStringLiteral("Sollen die Notizen neu aus der ACT!-Datenbank eingelesen werden?");
    kind.readAnewQuestionMissing = kind.readAnewQuestion;
    kind.saveQuestionFirst = false;
    kind.rereadCommand = QStringLiteral("mnuUpdateNotes");
    kind.rereadStartText = QStringLiteral("Die Notizdaten werden neu aus der ACT!-Datenbank eingelesen...");
    kind.rereadDoneText = QStringLiteral("Die Notizdaten wurden neu aus der ACT!-Datenbank eingelesen.");
    kind.rereadFailedText = QStringLiteral("Die Notizdaten konnten nicht aus der ACT!-Datenbank eingelesen werden!");
    kind.variable = &modHaupt::Notizen;
    kind.descriptor = []() -> project::clFOX & { return modHaupt::Projekt->FOXNotiz(); };
    kind.init = initWithDatabase<records::clNotizen>();
    kind.setUpFields = setUpFields<records::clNotizen>(kind.rereadFailedText);
    plugInReading<records::clNotizen>(kind);
    return kind;
}

LowerKind NotesSalesCommands::salesKind()
{
    LowerKind kind;
    kind.tag = QStringLiteral("Aufträge");
    kind.loadingText = QStringLiteral("Die Auftragsdaten werden geladen...");
    kind.loadedText = QStringLiteral("Die Auftragsdaten wurden geladen.");
    kind.loadFailedText = QStringLiteral("Die Auftragsdaten konnten nicht geladen werden!");
    kind.readAnewQuestion = QStringLiteral("Sollen die Aufträge neu aus der ACT!-Datenbank eingelesen werden?");
    kind.readAnewQuestionMissing = kind.readAnewQuestion;
    kind.saveQuestionFirst = true;
    kind.rereadCommand = QStringLiteral("mnuUpdateSales");
    kind.rereadStartText = QStringLiteral("Die Auftragsdaten werden neu aus der ACT!-Datenbank eingelesen...");
    kind.rereadDoneText = QStringLiteral("Die Auftragsdaten wurden neu aus der ACT!-Datenbank eingelesen.");
    kind.rereadFailedText = QStringLiteral("Die Auftragsdaten konnten nicht aus der ACT!-Datenbank eingelesen werden!");
    kind.variable = &modHaupt::Auftraege;
    kind.descriptor = []() -> project::clFOX & { return modHaupt::Projekt->FOXAuftrag(); };
    kind.init = initWithDatabase<records::clAuftraege>();
    kind.setUpFields = setUpFields<records::clAuftraege>(kind.rereadFailedText);
    plugInReading<records::clAuftraege>(kind);
    return kind;
}

} // namespace mainwindow
