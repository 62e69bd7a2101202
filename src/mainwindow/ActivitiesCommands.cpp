// The activities' read and re-read commands: texts, record variable, descriptor and the steps of
// clAufgaben that the shared frame runs.
#include "ActivitiesCommands.h"

#include "StatusBarPanel.h"
#include "frmHaupt.h"
#include "modHaupt.h"
#include "project/clFOX.h"
#include "project/clProjekt.h"
#include "records/clAufgaben.h"
#include "records/clKontakte.h"

namespace mainwindow {

namespace {

records::clAufgaben &aufgaben(records::RecordClassBase &record)
{
    return static_cast<records::clAufgaben &>(record);
}

} // namespace

LowerKind ActivitiesCommands::Kind(frmHaupt &window)
{
    LowerKind kind;
    kind.tag = QStringLiteral("Aufgaben");
    kind.loadingText = QStringLiteral("Die Aufgabendaten werden geladen...");
    kind.loadedText = QStringLiteral("Die Aufgabendaten wurden geladen.");
    kind.loadFailedText = QStringLiteral("Die Aufgabendaten konnten nicht geladen werden!");
    kind.readAnewQuestion = QStringLiteral("Sollen die Aufgaben neu aus der ACT!-Datenbank eingelesen werden?");
    kind.readAnewQuestionMissing = kind.readAnewQuestion;
    kind.saveQuestionFirst = true;
    kind.rereadCommand = QStringLiteral("mnuUpdateActivities");
    kind.rereadStartText = QStringLiteral("Die Aufgabendaten werden neu aus der ACT!-Datenbank eingelesen...");
    kind.rereadDoneText = QStringLiteral("Die Aufgabendaten wurden neu aus der ACT!-Datenbank eingelesen.");
    kind.rereadFailedText = QStringLiteral("Die Aufgabendaten konnten nicht aus der ACT!-Datenbank eingelesen werden!");
    kind.variable = &modHaupt::Aufgaben;
    kind.descriptor = []() -> project::clFOX & { return modHaupt::Projekt->FOXAufgabe(); };
    kind.create = [] { return std::make_unique<records::clAufgaben>(); };
    kind.init = [&window](records::RecordClassBase &record) {
        const records::clKontakte *kontakte = window.Kontakte();
        return aufgaben(record).Init(window.InfoZoomExtra(), window.StatusPanel(),
                                     kontakte ? kontakte->ACTOLEDatabase() : nullptr);
    };
    kind.setUpFields = [](records::RecordClassBase &record) {
        aufgaben(record).SetACTFields();
        return true;
    };
    kind.showData = [](records::RecordClassBase &record) { aufgaben(record).ShowData(); };
    kind.loadData = [](records::RecordClassBase &record, const QString &file) { aufgaben(record).LoadData(file); };
    return kind;
}

void ActivitiesCommands::Register(frmHaupt &window)
{
    window.AddCommand(QStringLiteral("mnuReadActivities"),
                      [&window] { LowerTableCommands::Read(window, Kind(window)); });
    window.AddCommand(QStringLiteral("mnuUpdateActivities"),
                      [&window] { LowerTableCommands::Reread(window, Kind(window)); });
}

} // namespace mainwindow
