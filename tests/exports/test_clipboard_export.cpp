// The four clipboard exports of the selected attribute: layouts, status texts, progress, cancel,
// the data-source description, and the user-manual command.
#include "ExportFixture.h"
#include "WaitFor.h"

#include "platform/VbError.h"
#include "project/ShellLauncher.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using mainwindow::ExportCommands;

namespace {

const QString kCopied = QStringLiteral("Die Daten des Attributes \"Ort\" wurden in die Zwischenablage kopiert.");

} // namespace

TEST_F(ExportFixture, NoSelectedAttributeCopiesNothing)
{
    fill(upper(), texts({"A", "B"}), false);
    ui.setClipboardText(QStringLiteral("alt"));
    window->RunMenuCommand(QStringLiteral("mnuCopyAll"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("alt"));
    EXPECT_EQ(status(), QStringLiteral("Es wurde zuvor kein Attribut selektiert."));
    EXPECT_TRUE(controlsEnabled());
    EXPECT_EQ(ui.beeps(), 0);
}

TEST_F(ExportFixture, SelectedAttributeIsFoundInsideFolders)
{
    InfoZoomAttribute ort = fill(upper(), texts({"A"}));
    EXPECT_EQ(ExportCommands::GetSelectedAttribute(upper()), ort);
    ort.setSelected(false);
    EXPECT_TRUE(ExportCommands::GetSelectedAttribute(upper()).isNull());
}

TEST_F(ExportFixture, AllValuesInViewOrderWithDuplicates)
{
    fill(upper(), texts({"A", "B", "A"}));
    window->RunMenuCommand(QStringLiteral("mnuCopyAll"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("Ort\r\nA\r\nB\r\nA\r\n"));
    EXPECT_EQ(status(), kCopied);
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_TRUE(controlsEnabled());
    EXPECT_EQ(upper()->StatusText(), QString());
}

TEST_F(ExportFixture, DistinctValues)
{
    fill(upper(), texts({"A", "B", "A"}));
    window->RunMenuCommand(QStringLiteral("mnuCopyKomp"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("Ort\r\nA\r\nB\r\n"));
    EXPECT_EQ(status(), kCopied);
    ASSERT_NE(exports()->CurrentKompListe(), nullptr); // kept until the next export of its kind
    EXPECT_EQ(exports()->CurrentKompListe()->Count(), 2);
}

TEST_F(ExportFixture, Frequencies)
{
    fill(upper(), texts({"A", "B", "A"}));
    window->RunMenuCommand(QStringLiteral("mnuCopyHistogramm"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("Ort\tHäufigkeit\r\nA\t2\r\nB\t1"));
    EXPECT_EQ(exports()->CurrentHistogram(), nullptr);
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(ExportFixture, EmptyCellsAndNumbers)
{
    fill(upper(), {QString(), 12, 2.5, QString(), 12});
    window->RunMenuCommand(QStringLiteral("mnuCopyAll"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("Ort\r\n\r\n12\r\n2,5\r\n\r\n12\r\n"));
    window->RunMenuCommand(QStringLiteral("mnuCopyKomp"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("Ort\r\n<LEER>\r\n12\r\n2,5\r\n"));
    window->RunMenuCommand(QStringLiteral("mnuCopyHistogramm"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("Ort\tHäufigkeit\r\n<<LEER>>\t2\r\n12\t2\r\n2,5\t1"));
}

TEST_F(ExportFixture, OnlyTheRowsOfTheCurrentView)
{
    InfoZoomAttribute ort = fill(upper(), texts({"Berlin", "Hamburg", "Berlin", "Köln"}));
    ort.SelectValue(QStringLiteral("Berlin"), false);
    upper()->Zoom();
    ort.setSelected(true);
    window->RunMenuCommand(QStringLiteral("mnuCopyAll"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("Ort\r\nBerlin\r\nBerlin\r\n"));
}

TEST_F(ExportFixture, WorksOnTheActiveTable)
{
    fill(upper(), texts({"oben"}));
    fill(lower(), texts({"unten"}));
    window->InfoZoomExtra()->setTag(QStringLiteral("Notizen"));
    window->InfoZoomExtra()->SetFocus();
    QApplication::processEvents();
    ASSERT_EQ(window->ActiveTable(), window->InfoZoomExtra());
    window->RunMenuCommand(QStringLiteral("mnuCopyAll"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("Ort\r\nunten\r\n"));
}

TEST_F(ExportFixture, ProgressInTheTableStatusLine)
{
    QStringList values;
    for (int i = 0; i < 250; ++i)
        values << QStringLiteral("v%1").arg(i % 7);
    fill(upper(), texts(values));
    QStringList lines;
    QObject::connect(upper(), &InfoZoomTable::statusTextChanged, [&](const QString &text) { lines << text; });
    window->RunMenuCommand(QStringLiteral("mnuCopyAll"));
    EXPECT_EQ(lines, QStringList({"Bestimme die einzelnen Daten des Attributes \"Ort\" (117/250)",
                                  "Bestimme die einzelnen Daten des Attributes \"Ort\" (234/250)", ""}));
    lines.clear();
    window->RunMenuCommand(QStringLiteral("mnuCopyKomp"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines.first(),
              QStringLiteral("Bestimme die komprimierte Liste der Daten des Attributes \"Ort\" (57/250)"));
    lines.clear();
    window->RunMenuCommand(QStringLiteral("mnuCopyHistogramm"));
    EXPECT_EQ(lines.first(), QStringLiteral("Bestimme die Häufigkeit der Daten des Attributes \"Ort\" (117/250)"));
}

TEST_F(ExportFixture, CancelDuringTheRowWalkKeepsTheClipboard)
{
    QStringList values;
    for (int i = 0; i < 500; ++i)
        values << QStringLiteral("v%1").arg(i);
    fill(upper(), texts(values));
    for (const char *command : {"mnuCopyAll", "mnuCopyKomp", "mnuCopyHistogramm"}) {
        ui.setClipboardText(QStringLiteral("alt"));
        bool clicked = false;
        ui.onDoEvents = [&] {
            const QString line = upper()->StatusText();
            if (!clicked && (line.endsWith(QLatin1String("(117/500)")) || line.endsWith(QLatin1String("(57/500)")))) {
                clicked = true;
                window->StatusBar_PanelClick(QStringLiteral("Abbruch"));
            }
        };
        window->RunMenuCommand(QString::fromLatin1(command));
        ui.onDoEvents = nullptr;
        EXPECT_TRUE(clicked) << command;
        EXPECT_EQ(ui.clipboardText(), QStringLiteral("alt")) << command;
        EXPECT_EQ(status(), QStringLiteral("Der Kopiervorgang wurde abgebrochen.")) << command;
        EXPECT_EQ(upper()->StatusText(), QString()) << command;
        EXPECT_TRUE(controlsEnabled()) << command;
    }
    EXPECT_EQ(exports()->CurrentKompListe(), nullptr);
    EXPECT_EQ(exports()->CurrentHistogram(), nullptr);
    EXPECT_EQ(ui.beeps(), 0);
}

TEST_F(ExportFixture, CancelWhileFrequenciesAreListedCopiesTheLinesSoFar)
{
    QStringList values;
    for (int i = 0; i < 100; ++i)
        values << QStringLiteral("w%1").arg(i, 3, 10, QLatin1Char('0'));
    fill(upper(), texts(values));
    ui.onDoEvents = [&] {
        if (window->StatusPanel()->text().startsWith(
                QLatin1String("Die Daten werden in die Zwischenablage kopiert...(")))
            window->AbbruchPanel()->clicked(QStringLiteral("Abbruch"));
    };
    window->RunMenuCommand(QStringLiteral("mnuCopyHistogramm"));
    const QString copied = ui.clipboardText();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Ort\tHäufigkeit\r\nw000\t1\r\n")));
    EXPECT_TRUE(copied.endsWith(QStringLiteral("w078\t1")));
    EXPECT_EQ(status(), kCopied);
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(ExportFixture, AFailedFrequencyListingLeavesNoCancelConnection)
{
    QStringList values;
    for (int i = 0; i < 100; ++i)
        values << QStringLiteral("w%1").arg(i);
    fill(upper(), texts(values));
    ui.onDoEvents = [this, failed = false]() mutable {
        if (!failed && status().startsWith(QLatin1String("Die Daten werden in die Zwischenablage kopiert...("))) {
            failed = true;
            throw platform::VbError(7, QStringLiteral("Nicht genügend Speicher"));
        }
    };
    ui.expectMsgBox(platform::MsgIcon::Exclamation, QStringLiteral("Nicht genügend Speicher"));
    window->RunMenuCommand(QStringLiteral("mnuCopyHistogramm"));
    ui.onDoEvents = nullptr;
    EXPECT_EQ(exports()->CurrentHistogram(), nullptr);
    EXPECT_FALSE(QObject::disconnect(window->AbbruchPanel(), &mainwindow::StatusBarPanel::clicked, exports(), nullptr));
}

TEST_F(ExportFixture, DescriptionWithEmptyLowerTable)
{
    fill(upper(), texts({"A"}));
    window->InfoZoomKontakt()->setTag(QStringLiteral("Kontakte"));
    window->RunMenuCommand(QStringLiteral("mnuCopyInformations"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("Datolux-Projekt:\tAnalyse\r\n"
                                                 "ACT!-Datenbank:\t/daten/act/Firma.dbf\r\n"
                                                 "Abfrage Kontakte:\tAlle Daten\r\n"
                                                 "\r\n"
                                                 "Daten aus Tabelle: \tKontakte\r\n"
                                                 "Attribute:\tOrt"));
    EXPECT_EQ(status(), kCopied);
}

TEST_F(ExportFixture, DescriptionNamesBothQueries)
{
    InfoZoomAttribute ort = fill(upper(), texts({"Berlin", "Hamburg"}));
    ort.SelectValue(QStringLiteral("Berlin"), false);
    upper()->Zoom();
    ort.setSelected(true);
    fill(lower(), texts({"x"}), false);
    window->InfoZoomKontakt()->setTag(QStringLiteral("Kontakte"));
    window->InfoZoomExtra()->setTag(QStringLiteral("Notizen"));
    const QString description = exports()->DataSourceDescription();
    const QStringList lines = description.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.at(2), QStringLiteral("Abfrage Kontakte:\t") + upper()->QueryText());
    EXPECT_FALSE(upper()->QueryText().trimmed().isEmpty());
    EXPECT_EQ(lines.at(3), QStringLiteral("Abfrage Notizen:\tAlle Daten"));
    EXPECT_EQ(lines.at(5), QStringLiteral("Attribute:\t"));
}

namespace {

// Records each start and runs a shell command in place of the desktop's opener.
class RecordingLauncher final : public project::ShellLauncher
{
public:
    QStringList started;
    QString opener = QStringLiteral("exit 0"); // "" : the opener cannot be started at all
    std::unique_ptr<QProcess> start(const QString &program, const QStringList &arguments, const QString &) override
    {
        started << program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
        if (opener.isEmpty())
            return nullptr;
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral("sh"), {QStringLiteral("-c"), opener});
        return process->waitForStarted() ? std::move(process) : nullptr;
    }
};

QString writeManual(const QTemporaryDir &folder)
{
    QFile pdf(folder.filePath(QStringLiteral("Anleitung.pdf")));
    if (pdf.open(QIODevice::WriteOnly))
        pdf.write("%PDF-1.4\n");
    return pdf.fileName();
}

} // namespace

TEST_F(ExportFixture, ManualMissingGivesMessageAndNoShellCall)
{
    RecordingLauncher launcher;
    project::setShellLauncher(&launcher);
    QTemporaryDir folder;
    exports()->setProgramFolder(folder.path());
    ui.expectMsgBox(platform::MsgIcon::Information,
                    QStringLiteral("Die Datei \"%1/Anleitung.pdf\" wurde nicht gefunden!").arg(folder.path()));
    window->RunMenuCommand(QStringLiteral("mnHelpBedienungsanleitung"));
    project::setShellLauncher(nullptr);
    EXPECT_TRUE(launcher.started.isEmpty());
}

TEST_F(ExportFixture, ManualPresentIsOpenedThroughTheShell)
{
    RecordingLauncher launcher;
    project::setShellLauncher(&launcher);
    QTemporaryDir folder;
    const QString manual = writeManual(folder);
    exports()->setProgramFolder(folder.path());
    window->RunMenuCommand(QStringLiteral("mnHelpBedienungsanleitung"));
    project::setShellLauncher(nullptr);
    ASSERT_EQ(launcher.started.size(), 1);
    EXPECT_TRUE(launcher.started.first().contains(manual));
}

TEST_F(ExportFixture, ManualWithoutAProgramForItSaysSo)
{
    // The opener refuses at once or after its search (xdg-open: no tool for the file), or is not
    // there at all.
    for (const QString &opener : {QStringLiteral("exit 3"), QStringLiteral("sleep 2; exit 3"), QString()}) {
        RecordingLauncher launcher;
        launcher.opener = opener;
        project::setShellLauncher(&launcher);
        QTemporaryDir folder;
        const QString manual = writeManual(folder);
        exports()->setProgramFolder(folder.path());
        ui.expectMsgBox(platform::MsgIcon::Exclamation,
                        QStringLiteral("Zum Öffnen der Datei \"%1\" wurde kein Programm gefunden.").arg(manual));
        const qsizetype shown = ui.messageTexts().size();
        window->RunMenuCommand(QStringLiteral("mnHelpBedienungsanleitung"));
        EXPECT_TRUE(waitFor([&] { return ui.messageTexts().size() > shown; }, 10000)) << opener.toStdString();
        project::setShellLauncher(nullptr);
        EXPECT_EQ(launcher.started.size(), 1);
    }
}
