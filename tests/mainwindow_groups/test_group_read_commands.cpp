// Reading the groups: anew from ACT! when the project has no group table, from the stored table file,
// the re-read without a dialog while groups are shown, and the change of the group fields.
#include "GroupCommandFixture.h"

#include <QFile>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

using GroupReadCommands = GroupCommandFixture;

const QString kRereadDone = QStringLiteral("Die Gruppendaten wurden neu aus der ACT!-Datenbank eingelesen.");

TEST_F(GroupReadCommands, WithoutAStoredTableTheGroupsAreReadAnewAfterTheFieldDialog)
{
    projectWithGroups();
    EXPECT_EQ(window->InfoZoomExtra()->Tag(), QStringLiteral("Gruppen"));
    EXPECT_EQ(status(), kRereadDone);
    EXPECT_GT(lower()->Objects().Count(), 200);
    const project::clFOX &fox = modHaupt::Projekt->FOXGruppen();
    EXPECT_EQ(fox.SyncFeldName(), QStringLiteral("ACTFieldID|56"));
    EXPECT_EQ(fox.UniqueIDFeldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(fox.Datum(), gruppen()->DateOfData());
    EXPECT_EQ(window->ActiveTable(), window->InfoZoomExtra());
    for (const char *menu : {"mnuUpdateGroups", "mnuChangeGroupFields", "mnuZoomMaingroups", "mnuZoomSubgroups"})
        EXPECT_TRUE(enabled(menu)) << menu;
    EXPECT_TRUE(window->Toolbar()->isEnabled());
}

TEST_F(GroupReadCommands, ACancelledFieldDialogEndsTheReadWithoutItsStartText)
{
    newProject(groupsDb());
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Sollen die Gruppen neu"), MsgAnswer::Yes)
        .expectModal(cancelFields());
    run("mnuReadGroups");
    EXPECT_EQ(status(), QString());
    EXPECT_NE(gruppen(), nullptr);
    EXPECT_EQ(window->InfoZoomExtra()->Tag(), QString());
    EXPECT_EQ(lower()->Objects().Count(), 0);
    EXPECT_TRUE(modHaupt::Projekt->FOXGruppen().SyncFeldName().isEmpty());
    EXPECT_TRUE(window->Toolbar()->isEnabled());
}

TEST_F(GroupReadCommands, NoToTheReadAnewQuestionLeavesTheLowerTableAlone)
{
    newProject(groupsDb());
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Sollen die Gruppen neu"), MsgAnswer::No);
    run("mnuReadGroups");
    EXPECT_EQ(gruppen(), nullptr);
    EXPECT_EQ(window->InfoZoomExtra()->Tag(), QString());
}

TEST_F(GroupReadCommands, AReReadWhileGroupsAreShownKeepsTheFieldsWithoutTheDialog)
{
    projectWithGroups({QStringLiteral("Gruppenname"), QStringLiteral("Ort")});
    nameAttribute().setName(QStringLiteral("Name"));
    modHaupt::Projekt->FOXGruppen().setUniqueIDFeldName(QString());
    run("mnuUpdateGroups"); // a field dialog would fail the scripted UI
    EXPECT_EQ(modHaupt::Projekt->FOXGruppen().UniqueIDFeldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(gruppen()->FieldIDs(), (QVector<qint16>{1, 100, 56, 55, 25, 29}));
    EXPECT_EQ(nameAttribute().Name(), QStringLiteral("Name"));
    EXPECT_EQ(status(), kRereadDone);
}

TEST_F(GroupReadCommands, AStoredGroupTableIsLoadedWithTheDescriptorsNames)
{
    savedProject(QStringLiteral("A"));
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Sollen die Gruppen neu"), MsgAnswer::Yes)
        .expectModal(tick({QStringLiteral("Gruppenname")}));
    run("mnuReadGroups");
    const int rows = lower()->Objects().Count();
    run("mnuSaveProject");
    const QString file = modHaupt::Projekt->FOXGruppen().Datei();
    ASSERT_TRUE(QFile::exists(file)) << file.toStdString();

    window->ResetInfoZoom(window->InfoZoomExtra());
    run("mnuReadGroups");
    EXPECT_EQ(status(), QStringLiteral("Die Gruppendaten wurden geladen."));
    EXPECT_EQ(lower()->Objects().Count(), rows);
    EXPECT_EQ(window->InfoZoomExtra()->Tag(), QStringLiteral("Gruppen"));
    EXPECT_EQ(gruppen()->SyncFieldName(), QStringLiteral("ACTFieldID|56"));
    EXPECT_EQ(gruppen()->UniqueIDFieldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(gruppen()->FieldIDs(), (QVector<qint16>{1, 100, 56, 55, 25}));
    EXPECT_FALSE(gruppen()->ParentGroupAttribute().isNull());
    EXPECT_FALSE(modHaupt::Projekt->IsChanged());
}

TEST_F(GroupReadCommands, AMissingGroupTableFileIsNamedInTheQuestion)
{
    savedProject(QStringLiteral("A"));
    ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Sollen die Gruppen neu"), MsgAnswer::Yes)
        .expectModal(tick({QStringLiteral("Gruppenname")}));
    run("mnuReadGroups");
    run("mnuSaveProject");
    const QString file = modHaupt::Projekt->FOXGruppen().Datei();
    ASSERT_TRUE(QFile::remove(file));
    ui.expectMsgBox(MsgIcon::Question,
                    QStringLiteral("Die Projektdatendatei \"%1\"\r\nwurde nicht gefunden.\r\n"
                                   "Sollen die Gruppen neu aus der ACT!-Datenbank eingelesen werden?")
                        .arg(file),
                    MsgAnswer::No);
    run("mnuReadGroups");
    EXPECT_EQ(window->InfoZoomExtra()->Tag(), QStringLiteral("Gruppen"));
}

TEST_F(GroupReadCommands, ACancelledGroupFieldDialogAsksNothingAndChangesNothing)
{
    projectWithGroups();
    lower()->Attributes().Add(QStringLiteral("Abgeleitet"));
    const int attributes = lower()->AttributeList().Count();
    ui.expectModal(cancelFields());
    run("mnuChangeGroupFields");
    EXPECT_EQ(lower()->AttributeList().Count(), attributes);
    EXPECT_EQ(gruppen()->FieldCount(), 5);
}

TEST_F(GroupReadCommands, ConfirmedNewGroupFieldsAreReadIntoAnEmptiedTableOnYes)
{
    projectWithGroups();
    lower()->Attributes().Add(QStringLiteral("Abgeleitet"));
    const QString question = QStringLiteral("Sollen die ACT!-Gruppendaten neu eingelesen werden?\r\n"
                                            "Bereits abgeleitete Attribute in den Gruppendaten gehen dabei verloren.");
    ui.expectModal(tick({QStringLiteral("Beschreibung")})).expectMsgBox(MsgIcon::Question, question, MsgAnswer::No);
    run("mnuChangeGroupFields");
    EXPECT_EQ(lower()->AttributeList().Count(), 6);

    modHaupt::Projekt->FOXGruppen().setSyncFeldName(QString());
    ui.expectModal(tick({QStringLiteral("Beschreibung")})).expectMsgBox(MsgIcon::Question, question, MsgAnswer::Yes);
    run("mnuChangeGroupFields");
    QStringList names;
    for (int i = 0; i < lower()->AttributeList().Count(); ++i)
        names << lower()->AttributeItem(i).Name();
    EXPECT_EQ(names, (QStringList{"Eindeutige ID", "Anzahl Mitglieder", "Kontakt ID",
                                  QString::fromUtf8("Übergeordnete Gruppe"), "Gruppenname", "Beschreibung"}));
    EXPECT_EQ(status(), kRereadDone);
    EXPECT_EQ(modHaupt::Projekt->FOXGruppen().SyncFeldName(), QStringLiteral("ACTFieldID|56"));
    EXPECT_TRUE(window->Toolbar()->isEnabled());
}

} // namespace
