// Zooming in the group table from one selected group to its main group or to its subgroups.
#include "GroupCommandFixture.h"

namespace {

class GroupZoom : public GroupCommandFixture
{
protected:
    void SetUp() override
    {
        GroupCommandFixture::SetUp();
        projectWithGroups();
    }
};

TEST_F(GroupZoom, FromOneRowOfASubgroupToItsMainGroup)
{
    selectOneRow(QStringLiteral("Kunden Nord"));
    run("mnuZoomMaingroups");
    EXPECT_EQ(status(), QStringLiteral("Es wurde auf die Hauptgruppe gezoomt."));
    EXPECT_EQ(groupsInView(), QStringList{QStringLiteral("Kunden")});
    EXPECT_EQ(lower()->CurrentObjects().Count(),
              column(lower()->Objects(), nameAttribute()).count(QStringLiteral("Kunden")));
}

TEST_F(GroupZoom, TheMenusFollowTheSelectionTheZoomLeaves)
{
    selectOneRow(QStringLiteral("Kunden"));
    window->UpdateMenus();
    ASSERT_TRUE(window->Menu(QStringLiteral("mnuShowGroup"))->isEnabled());
    run("mnuZoomSubgroups");
    ASSERT_EQ(lower()->SelectedObjects().Count(), 0);
    EXPECT_FALSE(window->Menu(QStringLiteral("mnuShowGroup"))->isEnabled());
    EXPECT_FALSE(window->ToolButton(QStringLiteral("btnACTGruppen"))->isEnabled());
}

TEST_F(GroupZoom, AMainGroupHasNoMainGroupToZoomTo)
{
    selectOneRow(QStringLiteral("Kunden"));
    const int view = lower()->CurrentObjects().Count();
    run("mnuZoomMaingroups");
    EXPECT_EQ(status(), QStringLiteral("Die ausgewählte Gruppe ist eine Hauptgruppe!"));
    EXPECT_EQ(lower()->CurrentObjects().Count(), view);
    EXPECT_EQ(lower()->SelectedObjects().Count(), 1);
}

TEST_F(GroupZoom, FromAMainGroupToAllItsSubgroups)
{
    selectOneRow(QStringLiteral("Kunden"));
    run("mnuZoomSubgroups");
    EXPECT_EQ(status(), QStringLiteral("Es wurde auf die Untergruppen gezoomt."));
    EXPECT_EQ(groupsInView(), (QStringList{QString::fromUtf8("Großkunden"), QStringLiteral("Kunden Nord"),
                                           QString::fromUtf8("Kunden Süd")}));
}

TEST_F(GroupZoom, ASubgroupHasNoSubgroupsToZoomTo)
{
    selectOneRow(QString::fromUtf8("Kunden Süd"));
    run("mnuZoomSubgroups");
    EXPECT_EQ(status(), QStringLiteral("Die ausgewählte Gruppe ist eine Untergruppe!"));
}

TEST_F(GroupZoom, AMainGroupWithoutSubgroupsResetsTheSelectionAndSaysSo)
{
    selectOneRow(QStringLiteral("Newsletter"));
    const int view = lower()->CurrentObjects().Count();
    run("mnuZoomSubgroups");
    EXPECT_EQ(status(), QStringLiteral("Die Gruppe hat keine Untergruppen."));
    EXPECT_EQ(lower()->SelectedObjects().Count(), 0);
    EXPECT_EQ(lower()->CurrentObjects().Count(), view);
}

TEST_F(GroupZoom, TwoRowsOfDifferentGroupsAreNoSingleGroup)
{
    InfoZoomObjects all = lower()->Objects();
    all.Reset();
    const InfoZoomObject first = all.NextObject();
    QString other;
    for (int i = 1; i < all.Count() && other.isEmpty(); ++i) {
        const InfoZoomObject row = all.NextObject();
        if (row.Value(nameAttribute()) != first.Value(nameAttribute()))
            other = row.Value(gruppen()->SyncFieldAttribute()).toString();
    }
    ASSERT_FALSE(other.isEmpty());
    gruppen()->SyncFieldAttribute().SelectValue(first.Value(gruppen()->SyncFieldAttribute()), true);
    gruppen()->SyncFieldAttribute().SelectValue(other, true);
    ASSERT_GE(lower()->SelectedObjects().Count(), 2);
    run("mnuZoomMaingroups");
    EXPECT_EQ(status(), QStringLiteral("Es ist keine eindeutige Gruppe ausgewählt."));
    run("mnuZoomSubgroups");
    EXPECT_EQ(status(), QStringLiteral("Es ist keine eindeutige Gruppe ausgewählt."));
}

TEST_F(GroupZoom, SeveralRowsWithOneSelectedGroupStartFromThatGroup)
{
    // Every row of the group is selected; rows of other groups come first in the view.
    const QString id = idOf(QStringLiteral("Kunden Nord"));
    InfoZoomObjects current = lower()->CurrentObjects();
    current.Reset();
    ASSERT_NE(current.NextObject().Value(gruppen()->UniqueIDAttribute()).toString(), id);
    gruppen()->UniqueIDAttribute().SelectValue(id, true);
    ASSERT_GE(lower()->SelectedObjects().Count(), 2);
    run("mnuZoomSubgroups");
    EXPECT_EQ(status(), QStringLiteral("Die ausgewählte Gruppe ist eine Untergruppe!"));
}

TEST_F(GroupZoom, SeveralRowsWithOneSelectedParentZoomToThatParent)
{
    gruppen()->ParentGroupAttribute().SelectValue(idOf(QStringLiteral("Interessenten")), true);
    ASSERT_GE(lower()->SelectedObjects().Count(), 2);
    run("mnuZoomMaingroups");
    EXPECT_EQ(status(), QStringLiteral("Es wurde auf die Hauptgruppe gezoomt."));
    EXPECT_EQ(groupsInView(), QStringList{QStringLiteral("Interessenten")});
}

TEST_F(GroupZoom, AParentWithoutRowsIsNotFound)
{
    const QString id = idOf(QStringLiteral("Lieferanten"));
    InfoZoomObjects all = lower()->Objects();
    all.Reset();
    for (int i = 0; i < all.Count(); ++i) {
        InfoZoomObject row = all.NextObject();
        if (row.Value(gruppen()->UniqueIDAttribute()).toString() == id)
            row.Delete();
    }
    selectOneRow(QString::fromUtf8("Lieferanten Übersee"));
    const int view = lower()->CurrentObjects().Count();
    run("mnuZoomMaingroups");
    EXPECT_EQ(status(), QStringLiteral("Die Hauptgruppe wurde nicht gefunden!"));
    EXPECT_EQ(lower()->CurrentObjects().Count(), view);
}

TEST_F(GroupZoom, AParentOutsideTheViewIsNotFound)
{
    selectOneRow(QString::fromUtf8("Lieferanten Übersee"));
    lower()->Zoom();
    ASSERT_EQ(lower()->CurrentObjects().Count(), 1);
    gruppen()->UniqueIDAttribute().SelectValue(idOf(QString::fromUtf8("Lieferanten Übersee")), true);
    run("mnuZoomMaingroups");
    EXPECT_EQ(status(), QStringLiteral("Die Hauptgruppe wurde nicht gefunden!"));
    EXPECT_EQ(lower()->CurrentObjects().Count(), 1);
}

} // namespace
