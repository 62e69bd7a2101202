// The external-data commands of the main window.
#include "ADOCommands.h"

#include "LowerTableCommands.h"
#include "ReadCommandStatus.h"
#include "StatusBarPanel.h"
#include "frmHaupt.h"
#include "modHaupt.h"

#include "platform/UiServices.h"
#include "project/clProjekt.h"
#include "records/clADODaten.h"
#include "records/frmAttributeZuordnung.h"
#include "infozoom/InfoZoomControl.h"

namespace mainwindow {

namespace {

const QString kRereadStart = QStringLiteral("Die externen Daten werden neu aus der Datenbank eingelesen...");
const QString kRereadDone = QStringLiteral("Die externen Daten wurden neu aus der Datenbank eingelesen.");
const QString kRereadFailed = QStringLiteral("Die externen Daten konnten nicht aus Datenbank eingelesen werden!");

project::clFOX &descriptor()
{
    return modHaupt::Projekt->FOXADODaten();
}

// A new record object in the program-wide variable, set up on the lower table.
records::clADODaten *newObject(frmHaupt &window)
{
    modHaupt::ADODaten.reset();
    auto object = std::make_unique<records::clADODaten>();
    records::clADODaten *ado = object.get();
    modHaupt::ADODaten = std::move(object);
    return ado->Init(window.InfoZoomExtra(), window.StatusPanel()) ? ado : nullptr;
}

// The read of the stored table: the frame's load, with the descriptor's five values handed to the
// new object and its columns learnt from the data source (whose failure does not stop the load).
LowerKind readKind(frmHaupt &window)
{
    LowerKind kind;
    kind.tag = QStringLiteral("ADODaten");
    kind.loadingText = QStringLiteral("Die externen Daten werden geladen...");
    kind.loadedText = QStringLiteral("Die externen Daten wurden geladen.");
    kind.loadFailedText = QStringLiteral("Die externen Daten konnten nicht geladen werden!");
    kind.readAnewQuestion = QStringLiteral("Sollen die externen Daten aus der Datenbank neu eingelesen werden?");
    kind.readAnewQuestionMissing = QStringLiteral("Sollen die externen Daten aus der Datenbank eingelesen werden?");
    kind.saveQuestionFirst = true;
    kind.rereadCommand = QStringLiteral("mnuUpdateADOData");
    kind.rereadStartText = kRereadStart;
    kind.rereadDoneText = kRereadDone;
    kind.rereadFailedText = kRereadFailed;
    kind.variable = &modHaupt::ADODaten;
    kind.descriptor = []() -> project::clFOX & { return descriptor(); };
    kind.create = [] { return std::make_unique<records::clADODaten>(); };
    kind.init = [&window](records::RecordClassBase &record) {
        return static_cast<records::clADODaten &>(record).Init(window.InfoZoomExtra(), window.StatusPanel());
    };
    kind.setUpFields = [](records::RecordClassBase &record) {
        auto &ado = static_cast<records::clADODaten &>(record);
        const project::clFOX &fox = descriptor();
        ado.setDateOfData(fox.Datum());
        ado.setSyncFieldName(fox.SyncFeldName());
        ado.setUniqueIDFieldName(fox.UniqueIDFeldName());
        ado.setConnectionString(fox.ConnectionString());
        ado.setSQLString(fox.SQLString());
        ado.SetADOFields();
        return true;
    };
    kind.showData = [](records::RecordClassBase &record) { static_cast<records::clADODaten &>(record).ShowData(); };
    kind.loadData = [](records::RecordClassBase &record, const QString &file) {
        static_cast<records::clADODaten &>(record).LoadData(file);
    };
    return kind;
}

} // namespace

void ADOCommands::Register(frmHaupt &window)
{
    window.AddCommand(QStringLiteral("mnuReadADOData"),
                      [&window] { LowerTableCommands::Read(window, readKind(window)); });
    window.AddCommand(QStringLiteral("mnuUpdateADOData"), [&window] { mnuUpdateADOData_Click(window); });
    window.AddCommand(QStringLiteral("mnuEditADOData"), [&window] { mnuEditADOData_Click(window); });
    window.AddCommand(QStringLiteral("mnuLinkAttributes"), [&window] { mnuLinkAttributes_Click(window); });
}

records::clADODaten *ADOCommands::ADODaten()
{
    return dynamic_cast<records::clADODaten *>(modHaupt::ADODaten.get());
}

records::clADODaten *ADOCommands::PrepareReread(frmHaupt &window)
{
    project::clFOX &fox = descriptor();
    if (fox.ConnectionString().isEmpty()) {
        records::clADODaten *ado = newObject(window);
        return ado && ado->ADODatenquelleEingeben() ? ado : nullptr;
    }
    records::clADODaten *ado = ADODaten();
    if (!ado) {
        ado = newObject(window);
        if (!ado)
            return nullptr;
    } else if (window.InfoZoomExtra()->Tag() != QLatin1String("ADODaten")) {
        // The lower table was emptied for this read and may still wear another kind's colours.
        ado->Control_Init();
    }
    ado->setConnectionString(fox.ConnectionString());
    ado->setSQLString(fox.SQLString());
    return ado;
}

void ADOCommands::mnuUpdateADOData_Click(frmHaupt &window)
{
    StartText status(window, kRereadStart, kRereadFailed);
    records::clADODaten *ado = PrepareReread(window);
    if (!ado) {
        window.SetStatusBarText(kRereadFailed);
        window.UpdateMenus();
        return;
    }
    status.watch(ado);
    window.EnableControls(false, false);
    if (!ado->SetADOFields()) {
        window.EnableControls(true, false);
        window.SetStatusBarText(kRereadFailed);
        window.UpdateMenus();
        return;
    }
    ado->ShowData();
    RecordReread(window, *ado);
    window.EnableControls(true, false);
    window.SetStatusBarText(ReadEndText(*ado, kRereadDone, kRereadFailed));
    window.UpdateMenus();
}

void ADOCommands::RecordReread(frmHaupt &window, records::clADODaten &ado)
{
    project::clFOX &fox = descriptor();
    fox.setDatum(ado.DateOfData());
    fox.setSyncFeldName(ado.SyncFieldName());
    fox.setUniqueIDFeldName(ado.UniqueIDFieldName());
    fox.setConnectionString(ado.ConnectionString());
    fox.setSQLString(ado.SQLString());
    if (fox.Datei().isEmpty() &&
        platform::ui().msgBox(QStringLiteral("Wollen Sie ein Attribute der externen Daten mit einem Attribute der "
                                             "Kontaktdaten verknüpfen?"),
                              platform::MsgIcon::Question, platform::MsgButtons::YesNo) == platform::MsgAnswer::Yes)
        ShowLinkDialog(window);
    window.UpdateDatenuebersicht();
    window.InfoZoomExtra()->SetFocus();
}

void ADOCommands::mnuEditADOData_Click(frmHaupt &window)
{
    records::clADODaten *ado = ADODaten();
    if (!ado) {
        window.UpdateMenus();
        return;
    }
    project::clFOX &fox = descriptor();
    if (ado->ADODatenquelleEingeben()) {
        fox.setSQLString(ado->SQLString());
        fox.setConnectionString(ado->ConnectionString());
        fox.setDatum(ado->DateOfData());
        fox.setSyncFeldName(ado->SyncFieldName());
        fox.setUniqueIDFeldName(ado->UniqueIDFieldName());
        window.ResetInfoZoom(window.InfoZoomExtra());
        ado->Control_Init();
        mnuUpdateADOData_Click(window);
    } else {
        ado->setConnectionString(fox.ConnectionString());
        ado->setSQLString(fox.SQLString());
    }
    window.UpdateMenus();
}

void ADOCommands::ShowLinkDialog(frmHaupt &window)
{
    records::clADODaten *ado = ADODaten();
    if (!ado)
        return;
    records::frmAttributeZuordnung dialog(*ado, descriptor(), window.InfoZoomKontakt()->Table(),
                                          window.InfoZoomExtra()->Table(), &window);
    platform::ui().showModal(&dialog);
}

void ADOCommands::mnuLinkAttributes_Click(frmHaupt &window)
{
    ShowLinkDialog(window);
    // A confirmed link changed the project, which the save command now offers.
    window.UpdateMenus();
}

} // namespace mainwindow
