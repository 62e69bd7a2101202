// The view as a user works it: clicks and keys on cells, the context menu's attribute commands with
// their Notify events, dragging a header, the row count, and what the painted picture shows.
#include "GTestScriptedUi.h"
#include "QtGermanTexts.h"
#include "TableFixture.h"

#include "infozoom/InfoZoomControl.h"
#include "infozoom/TableData.h"
#include "infozoom/TableView.h"

#include <QDir>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QAction *actionNamed(QMenu &menu, const QString &text)
{
    for (QAction *a : menu.actions()) {
        if (a->text() == text)
            return a;
        if (a->menu())
            if (QAction *inner = actionNamed(*a->menu(), text))
                return inner;
    }
    return nullptr;
}

} // namespace

class InfoZoomViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // What the attribute commands announce; the announcements of selection changes (a right
        // click on a table without selection selects the clicked value) are left out.
        QObject::connect(
            &control, &InfoZoomControl::Notify,
            [this](const QString &kind, const QString &command, const QString &detail, const QString &source) {
                if (command != QLatin1String(InfoZoomTable::SelectionCommand))
                    attributeNotifies << QList<QVariant>{kind, command, detail, source};
            });
        control.resize(700, 300);
        fillSample(*table);
        control.show();
        QCoreApplication::processEvents();
    }
    TableView *view() { return control.view(); }
    int column(const char *name)
    {
        for (int i = 0; i < view()->columnCount(); ++i)
            if (view()->columnAttribute(i)->name == QString::fromUtf8(name))
                return i;
        return -1;
    }
    void click(int row, const char *attribute, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, mods, view()->cellRect(row, column(attribute)).center());
    }
    QStringList selectedValues(const char *attribute)
    {
        QStringList result;
        InfoZoomValues values = attributeNamed(*table, QString::fromUtf8(attribute)).SelectedValues();
        for (int i = 0; i < values.Count(); ++i)
            result << values.NextValue().Value().toString();
        return result;
    }
    std::unique_ptr<QMenu> menuAt(int row, const char *attribute)
    {
        return view()->contextMenuAt(view()->cellRect(row, column(attribute)).center());
    }

    GTestScriptedUi ui;
    InfoZoomControl control;
    InfoZoomTable *table = control.Table();
    QList<QList<QVariant>> attributeNotifies;
};

TEST_F(InfoZoomViewTest, ClickSelectsAValueCtrlClickAddsAndRemoves)
{
    click(0, "Ort"); // Anna, Berlin
    EXPECT_EQ(selectedValues("Ort"), QStringList({"Berlin"}));
    EXPECT_TRUE(attributeNamed(*table, QStringLiteral("Ort")).Selected());
    click(1, "Ort", Qt::ControlModifier); // Hamburg
    EXPECT_EQ(selectedValues("Ort"), QStringList({"Berlin", "Hamburg"}));
    click(0, "Ort", Qt::ControlModifier);
    EXPECT_EQ(selectedValues("Ort"), QStringList({"Hamburg"}));
    click(3, "Typ"); // a plain click starts a new selection
    EXPECT_EQ(selectedValues("Ort"), QStringList({"Berlin", "München", "Hamburg"})); // the places of the calls
    EXPECT_EQ(selectedValues("Typ"), QStringList({"Anruf"}));
    EXPECT_FALSE(attributeNamed(*table, QStringLiteral("Ort")).Selected());
}

TEST_F(InfoZoomViewTest, KeysZoomExcludeMarkAndStepBack)
{
    click(0, "Ort");
    QTest::keyClick(view(), Qt::Key_M);
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_EQ(namesOf(*table, table->CurrentObjects()), QStringList({"Anna", "Clara", "Eva"}));
    EXPECT_EQ(view()->rowCountText(), QStringLiteral("3 von 6 Objekten"));
    click(1, "Typ"); // Clara, Brief
    EXPECT_EQ(view()->rowCountText(), QStringLiteral("3 von 6 Objekten, 1 ausgewählt"));
    QTest::keyClick(view(), Qt::Key_Delete);
    EXPECT_EQ(namesOf(*table, table->CurrentObjects()), QStringList({"Anna", "Eva"}));
    QTest::keyClick(view(), Qt::Key_Backspace);
    QTest::keyClick(view(), Qt::Key_Backspace);
    EXPECT_EQ(table->CurrentObjects().Count(), 6);
    QTest::keyClick(view(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(table->CurrentObjects().Count(), 3);
    EXPECT_TRUE(table->data()->isRowMarked(0));
}

TEST_F(InfoZoomViewTest, WhileCommandsAreRefusedOnlyTheSelectionChanges)
{
    control.setCommandsEnabled(false);
    QList<QList<QVariant>> &notify = attributeNotifies;
    click(0, "Ort");
    EXPECT_EQ(selectedValues("Ort"), QStringList({"Berlin"}));
    for (const QKeySequence &key : {QKeySequence(Qt::Key_M), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Delete),
                                    QKeySequence(Qt::Key_Backspace)})
        QTest::keySequence(view(), key);
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, view()->headerRect(column("Anzahl")).center());
    actionNamed(*menuAt(0, "Ort"), QStringLiteral("Attribut einfügen"))->menu()->actions().first()->trigger();
    const QPoint inOrt = view()->cellRect(0, column("Ort")).center();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, inOrt, view()->mapToGlobal(inOrt));
    QCoreApplication::sendEvent(view(), &menuKey); // shows no menu: it would wait here for a choice
    EXPECT_EQ(table->CurrentObjects().Count(), 6);
    EXPECT_FALSE(table->data()->isRowMarked(0));
    EXPECT_EQ(namesOf(*table, table->CurrentObjects()).first(), "Anna");
    EXPECT_EQ(notify.count(), 0);

    control.setCommandsEnabled(true);
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_EQ(table->CurrentObjects().Count(), 3);
}

TEST_F(InfoZoomViewTest, TheContextMenuNamesItsKeysInGerman)
{
    QtGermanTexts german;
    if (!german.installed())
        GTEST_SKIP() << QtGermanTexts::Missing;
    click(0, "Ort");
    const std::unique_ptr<QMenu> menu = menuAt(0, "Ort");
    const std::pair<const char *, const char *> keys[] = {
        {"Ausschließen", "Entf"}, {"Zurück", "Rücktaste"}, {"Vor", "Alt+Rechts"}};
    for (const auto &[action, key] : keys) {
        QAction *a = actionNamed(*menu, QString::fromUtf8(action));
        ASSERT_NE(a, nullptr) << action;
        EXPECT_EQ(a->shortcut().toString(QKeySequence::NativeText).toStdString(), key) << action;
    }
}

TEST_F(InfoZoomViewTest, DoubleClickOnAHeaderSortsAndTurnsTheOrder)
{
    const QPoint header = view()->headerRect(column("Anzahl")).center();
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, header);
    EXPECT_EQ(namesOf(*table, table->CurrentObjects()).first(), "Dieter");
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, header);
    EXPECT_EQ(namesOf(*table, table->CurrentObjects()).first(), "Bernd");
}

// Every user action on the selection, the view, the selected attribute or the marks is announced,
// so that the program can follow it; none of them is an attribute command.
TEST_F(InfoZoomViewTest, EveryActionOnSelectionViewOrMarksIsNotified)
{
    QSignalSpy notify(&control, &InfoZoomControl::Notify);
    const auto key = [this](Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(view(), k, mods); };
    const QPoint typHeader = view()->headerRect(column("Typ")).center();
    const QList<std::pair<const char *, std::function<void()>>> actions{
        {"click", [&] { click(0, "Ort"); }},
        {"Ctrl+click", [&] { click(1, "Ort", Qt::ControlModifier); }},
        {"Ctrl+Space", [&] { key(Qt::Key_Space, Qt::ControlModifier); }},
        {"Space", [&] { key(Qt::Key_Space); }},
        {"mark", [&] { key(Qt::Key_M); }},
        {"zoom", [&] { key(Qt::Key_Return); }},
        {"back", [&] { key(Qt::Key_Backspace); }},
        {"forward", [&] { key(Qt::Key_Right, Qt::AltModifier); }},
        {"exclude",
         [&] {
             click(0, "Typ");
             notify.clear();
             key(Qt::Key_Delete);
         }},
        {"heading click", [&] { QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, typHeader); }},
        {"heading double click", [&] { QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, typHeader); }},
        {"escape", [&] { key(Qt::Key_Escape); }},
        {"all objects", [&] { actionNamed(*menuAt(0, "Typ"), QStringLiteral("Alle Objekte zeigen"))->trigger(); }},
        {"marks removed", [&] { actionNamed(*menuAt(0, "Typ"), QStringLiteral("Markierungen aufheben"))->trigger(); }},
    };
    for (const auto &[what, action] : actions) {
        notify.clear();
        action();
        ASSERT_GE(notify.count(), 1) << what;
        for (const QList<QVariant> &args : notify) {
            EXPECT_EQ(args.at(0).toString(), QStringLiteral("Command")) << what;
            EXPECT_EQ(args.at(1).toString(), QString::fromLatin1(InfoZoomTable::SelectionCommand)) << what;
        }
    }
    EXPECT_EQ(table->CurrentObjects().Count(), 6);
    EXPECT_FALSE(table->CanZoomBack());
    EXPECT_TRUE(table->data()->markedRowFlags().empty());
    for (const char *attributeCommand :
         {"CInsertAttributeCommand", "CDeleteAttributeCommand", "CRedefineAttributeCommand"})
        EXPECT_STRNE(InfoZoomTable::SelectionCommand, attributeCommand);
}

TEST_F(InfoZoomViewTest, RenameAndReformatSendRedefine)
{
    QList<QList<QVariant>> &notify = attributeNotifies;
    ui.expectInputBox(QStringLiteral("Neuer Name"), QStringLiteral("Wohnort"));
    actionNamed(*menuAt(0, "Ort"), QStringLiteral("Attribut umbenennen..."))->trigger();
    ASSERT_EQ(notify.count(), 1);
    EXPECT_EQ(notify.at(0).at(0).toString(), "Command");
    EXPECT_EQ(notify.at(0).at(1).toString(), "CRedefineAttributeCommand");
    EXPECT_FALSE(attributeNamed(*table, QStringLiteral("Wohnort")).isNull());
    EXPECT_EQ(attributeNamed(*table, QStringLiteral("Wohnort")).ImportName(), "ACTFieldID|2");

    ui.expectInputBox(QStringLiteral("Neuer Name"), std::nullopt); // cancelled: nothing happens
    actionNamed(*menuAt(0, "Wohnort"), QStringLiteral("Attribut umbenennen..."))->trigger();
    EXPECT_EQ(notify.count(), 1);

    actionNamed(*menuAt(0, "Anzahl"), QStringLiteral("#.###,00"))->trigger();
    EXPECT_EQ(notify.count(), 2);
    EXPECT_EQ(attributeNamed(*table, QStringLiteral("Anzahl")).Format(), "#.###,00");
    EXPECT_EQ(TableData::displayText(attributeNamed(*table, QStringLiteral("Anzahl")).data(), 2),
              QStringLiteral("12,00"));
}

TEST_F(InfoZoomViewTest, DeleteAsksAndSendsDelete)
{
    QList<QList<QVariant>> &notify = attributeNotifies;
    ui.expectMsgBox(platform::MsgIcon::Question, QStringLiteral("\"Typ\" gelöscht"), platform::MsgAnswer::No);
    actionNamed(*menuAt(0, "Typ"), QStringLiteral("Attribut löschen"))->trigger();
    EXPECT_EQ(table->AttributeList().Count(), 4);
    ui.expectMsgBox(platform::MsgIcon::Question, QStringLiteral("\"Typ\" gelöscht"), platform::MsgAnswer::Yes);
    actionNamed(*menuAt(0, "Typ"), QStringLiteral("Attribut löschen"))->trigger();
    EXPECT_EQ(table->AttributeList().Count(), 3);
    ASSERT_EQ(notify.count(), 1);
    EXPECT_EQ(notify.at(0).at(1).toString(), "CDeleteAttributeCommand");
    QCoreApplication::processEvents();
    EXPECT_EQ(view()->columnCount(), 3);
}

TEST_F(InfoZoomViewTest, DerivedAttributesComeRightAfterTheirSource)
{
    InfoZoomAttribute datum = table->Attributes().Add(QStringLiteral("Datum"));
    const QStringList dates = {"03.02.2024 10:00:00", "2023-11-30", "kein Datum", "", "31.12.1999", "03.02.2024"};
    InfoZoomObjects rows = table->Objects();
    for (const QString &d : dates)
        rows.NextObject().setValue(datum, d);
    QCoreApplication::processEvents();
    QList<QList<QVariant>> &notify = attributeNotifies;
    actionNamed(*menuAt(0, "Datum"), QStringLiteral("Monat des Datums"))->trigger();
    actionNamed(*menuAt(0, "Datum"), QStringLiteral("Jahr des Datums"))->trigger();
    actionNamed(*menuAt(0, "Name"), QStringLiteral("Kopie"))->trigger();
    ASSERT_EQ(notify.count(), 3);
    EXPECT_EQ(notify.at(0).at(1).toString(), "CInsertAttributeCommand");
    EXPECT_EQ(table->AttributeItem(1).Name(), "Kopie von Name");
    EXPECT_EQ(table->AttributeItem(5).Name(), "Datum");
    InfoZoomAttribute year = table->AttributeItem(6);
    InfoZoomAttribute month = table->AttributeItem(7);
    EXPECT_EQ(year.Name(), "Jahr von Datum");
    EXPECT_EQ(month.Name(), "Monat von Datum");
    QStringList years, months;
    InfoZoomObjects all = table->Objects();
    for (int i = 0; i < all.Count(); ++i) {
        InfoZoomObject o = all.NextObject();
        years << o.Value(year).toString();
        months << o.Value(month).toString();
    }
    EXPECT_EQ(years, QStringList({"2024", "2023", "", "", "1999", "2024"}));
    EXPECT_EQ(months, QStringList({"2", "11", "", "", "12", "2"}));
    table->ResetSelection(); // the right click selected the clicked value
    year.SelectValue(2024, true);
    EXPECT_EQ(table->SelectedObjects().Count(), 2);
}

TEST_F(InfoZoomViewTest, FolderCreationAndMovesTellTheProgram)
{
    QList<QList<QVariant>> &notify = attributeNotifies;
    ui.expectInputBox(QStringLiteral("Name des neuen Ordners"), QStringLiteral("Kontakt"));
    actionNamed(*menuAt(0, "Ort"), QStringLiteral("Neuer Ordner..."))->trigger();
    ASSERT_EQ(table->Attributes().Count(), 4);
    InfoZoomAttributeNode folder = table->Attributes().Item(1);
    EXPECT_EQ(folder.NodeType(), 2);
    EXPECT_EQ(folder.Attributes().Item(0).Name(), "Ort");
    EXPECT_EQ(notify.last().at(1).toString(), "CInsertAttributeCommand");

    actionNamed(*menuAt(0, "Typ"), QStringLiteral("Kontakt"))->trigger();
    EXPECT_EQ(folder.Attributes().Count(), 2);
    ASSERT_GE(notify.count(), 3);
    EXPECT_EQ(notify.at(notify.count() - 2).at(0).toString(), "CommandNotSubmitted");
    EXPECT_EQ(notify.at(notify.count() - 2).at(1).toString(), "CAttributesMover");
    EXPECT_EQ(notify.last().at(1).toString(), "CRedefineAttributeCommand");

    actionNamed(*menuAt(0, "Ort"), QStringLiteral("Aus dem Ordner nehmen"))->trigger();
    EXPECT_EQ(folder.Attributes().Count(), 1);
    EXPECT_EQ(table->Attributes().Item(2).Name(), "Ort");
}

TEST_F(InfoZoomViewTest, TheFolderBandRenamesAndDeletesItsFolder)
{
    ui.expectInputBox(QStringLiteral("Name des neuen Ordners"), QStringLiteral("Kontakt"));
    actionNamed(*menuAt(0, "Ort"), QStringLiteral("Neuer Ordner..."))->trigger();
    QCoreApplication::processEvents();
    const QPoint band(view()->headerRect(column("Ort")).center().x(), 3);
    // The cells and the names below the band keep the attribute's commands.
    EXPECT_EQ(actionNamed(*menuAt(0, "Ort"), QStringLiteral("Ordner umbenennen...")), nullptr);
    EXPECT_NE(actionNamed(*view()->contextMenuAt(band + QPoint(0, view()->headerRect(0).height())),
                          QStringLiteral("Attribut umbenennen...")),
              nullptr);

    QList<QList<QVariant>> &notify = attributeNotifies;
    notify.clear();
    ui.expectInputBox(QStringLiteral("Neuer Name des Ordners"), QStringLiteral("Adresse"));
    actionNamed(*view()->contextMenuAt(band), QStringLiteral("Ordner umbenennen..."))->trigger();
    EXPECT_EQ(table->Attributes().Item(1).Name(), "Adresse");
    ASSERT_EQ(notify.count(), 1);
    EXPECT_EQ(notify.last().at(1).toString(), "CRedefineAttributeCommand");

    ui.expectMsgBox(platform::MsgIcon::Question, QStringLiteral("\"Adresse\" mit allen Attributen"),
                    platform::MsgAnswer::No);
    actionNamed(*view()->contextMenuAt(band), QStringLiteral("Ordner löschen"))->trigger();
    EXPECT_EQ(table->AttributeList().Count(), 5);
    ui.expectMsgBox(platform::MsgIcon::Question, QStringLiteral("\"Adresse\" mit allen Attributen"),
                    platform::MsgAnswer::Yes);
    actionNamed(*view()->contextMenuAt(band), QStringLiteral("Ordner löschen"))->trigger();
    EXPECT_EQ(table->AttributeList().Count(), 3);
    EXPECT_EQ(attributeNamed(*table, QStringLiteral("Ort")).isNull(), true);
    EXPECT_EQ(notify.last().at(1).toString(), "CDeleteAttributeCommand");
    QCoreApplication::processEvents();
    EXPECT_EQ(view()->columnCount(), 3);
}

TEST_F(InfoZoomViewTest, DraggingAHeaderAnnouncesTheMoveAndMovesTheAttribute)
{
    QList<QList<QVariant>> &notify = attributeNotifies;
    const QPoint from = view()->headerRect(column("Anzahl")).center();
    const QPoint to = view()->headerRect(column("Name")).topLeft() + QPoint(3, 5);
    QTest::mousePress(view()->viewport(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), view()->viewport()->mapToGlobal(QPointF(to)), Qt::LeftButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(view()->viewport(), &move);
    ASSERT_EQ(notify.count(), 1);
    EXPECT_EQ(notify.at(0).at(1).toString(), "CAttributesMover");
    QTest::mouseRelease(view()->viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(table->AttributeItem(0).Name(), "Anzahl");
    EXPECT_EQ(table->AttributeItem(1).Name(), "Name");
}

TEST_F(InfoZoomViewTest, PaintingShowsHeaderSelectionAndMarksInTheTablesColours)
{
    table->SetMainColor(0, 0, 153);
    table->SetColor1(255, 211, 147);
    table->SetColor3(183, 255, 196);
    attributeNamed(*table, QStringLiteral("Ort")).SelectValue(QStringLiteral("Hamburg"), true);
    table->Mark();
    table->ResetSelection();
    attributeNamed(*table, QStringLiteral("Typ")).SelectValue(QStringLiteral("Termin"), true);
    QCoreApplication::processEvents();
    const QImage image = view()->viewport()->grab().toImage();
    auto colourAt = [&](int row, const char *attribute) {
        return image.pixelColor(view()->cellRect(row, column(attribute)).topLeft() + QPoint(2, 2));
    };
    EXPECT_EQ(image.pixelColor(view()->headerRect(0).topLeft() + QPoint(2, 2)), QColor(0, 0, 153));
    EXPECT_EQ(colourAt(1, "Name"), QColor(183, 255, 196)); // Bernd, Hamburg: marked row
    EXPECT_EQ(colourAt(4, "Typ"), QColor(255, 211, 147));  // Eva's selected value
    EXPECT_NE(colourAt(0, "Name"), QColor(183, 255, 196));
    const QString dir = qEnvironmentVariable("DATOLUX_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        control.grab().save(QDir(dir).filePath(QStringLiteral("infozoom_small.png")));
}

TEST_F(InfoZoomViewTest, DisplayOptionAHidesTheValues)
{
    table->setDisplayOptionA(false);
    QCoreApplication::processEvents();
    EXPECT_LT(QTest::qWaitFor([] { return true; }), 2);
    const QPoint inBody = view()->cellRect(0, 0).center();
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, inBody);
    EXPECT_FALSE(table->data()->hasSelection());
}

// The view points into the attribute tree; a paint forced before the queued news of a new table
// arrives (a status text repaints at once) must show the new tree, not the freed one.
TEST_F(InfoZoomViewTest, APaintBeforeTheNewsOfANewTableShowsTheNewTable)
{
    ASSERT_GT(view()->columnCount(), 0);
    table->NewTable();
    view()->viewport()->repaint();
    EXPECT_EQ(view()->columnCount(), 0);
}

// A thousand contacts with a zoom, a selection, marked rows and a flagged value: the picture a
// user sees. With DATOLUX_SCREENSHOT_DIR set the control is saved there as a PNG.
TEST(InfoZoomViewPicture, AThousandRowsWithZoomSelectionAndMarks)
{
    InfoZoomControl control;
    control.resize(900, 420);
    InfoZoomTable *table = control.Table();
    table->SetMainColor(0, 0, 153);
    table->SetColor1(202, 202, 255);
    table->SetColor2(202, 202, 255);
    table->SetColor3(183, 183, 255);
    table->setDisplayOptionE(true);
    const QStringList orte = {"Berlin", "Hamburg", "München", "Köln", "Leipzig"};
    const QStringList typen = {"Anruf", "Brief", "Termin", "E-Mail"};
    InfoZoomAttributes top = table->Attributes();
    InfoZoomAttribute name = top.Add(QStringLiteral("Name"));
    InfoZoomAttributeNode adresse = top.AddFolder(QStringLiteral("Adresse"));
    InfoZoomAttribute ort = adresse.Attributes().Add(QStringLiteral("Ort"));
    InfoZoomAttribute plz = adresse.Attributes().Add(QStringLiteral("PLZ"));
    InfoZoomAttribute typ = top.Add(QStringLiteral("Typ"));
    InfoZoomAttribute umsatz = top.Add(QStringLiteral("Umsatz"));
    umsatz.setFormat(QStringLiteral("#.###,00"));
    control.setDisplayEnabled(false);
    InfoZoomObjects rows = table->Objects();
    for (int i = 0; i < 1000; ++i) {
        InfoZoomObject o = rows.Add();
        o.setValue(name, QStringLiteral("Kontakt %1").arg(i, 4, 10, QLatin1Char('0')));
        o.setValue(ort, orte[i % orte.size()]);
        o.setValue(plz, QString::number(10000 + (i * 37) % 900));
        o.setValue(typ, typen[(i / 3) % typen.size()]);
        o.setValue(umsatz, double((i * 7919) % 50000) / 4.0);
    }
    control.setDisplayEnabled(true);
    table->setStatusText(QStringLiteral("Fertig."));
    ort.SelectValue(QStringLiteral("Berlin"), true);
    ort.SelectValue(QStringLiteral("Hamburg"), true);
    table->Zoom();
    typ.SelectValue(QStringLiteral("Anruf"), true);
    table->Mark();
    table->ResetSelection();
    typ.SelectValue(QStringLiteral("Termin"), true);
    InfoZoomValues values = typ.SelectedValues();
    values.NextValue().setMarked(true);
    control.show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // the status line's new width
    EXPECT_EQ(control.view()->rowCountText(), QStringLiteral("400 von 1.000 Objekten, 100 ausgewählt"));
    EXPECT_EQ(table->QueryText(), QStringLiteral("(Ort = \"Berlin\" ODER Ort = \"Hamburg\")"));
    const QImage image = control.grab().toImage();
    EXPECT_FALSE(image.isNull());
    const QString dir = qEnvironmentVariable("DATOLUX_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(image.save(QDir(dir).filePath(QStringLiteral("infozoom_1000.png"))));
    }
}
