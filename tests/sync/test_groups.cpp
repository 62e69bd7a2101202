// The groups in the lower table: their member contacts zoomed to, the contacts' groups zoomed to,
// and the selected group shown in a stand-in ACT!.
#include "mainwindow_groups/GroupCommandFixture.h"

#include "records/RunningACT.h"

#include <QSet>

namespace {

// A running ACT! with the groups database open that records the groups it was asked to show.
class GroupACT final : public records::RunningACT
{
public:
    static QString database;
    static QStringList shown;
    bool ACTgestartet() override { return true; }
    QString ACTDatenbank() override { return database; }
    bool CreateContactSearch(const QString &) override { return true; }
    void Zeigen() override {}
    bool ShowGroupByUniqueID(const QString &uniqueId, bool lookupAll) override
    {
        shown << uniqueId + (lookupAll ? QStringLiteral("/alle") : QString());
        return true;
    }
};
QString GroupACT::database;
QStringList GroupACT::shown;

class GroupsLinked : public GroupCommandFixture
{
protected:
    void TearDown() override
    {
        records::RunningACT::setFactory({});
        GroupCommandFixture::TearDown();
    }
    InfoZoomTable *upper() const { return window->InfoZoomKontakt()->Table(); }
};

TEST_F(GroupsLinked, MembersOfTheSelectedGroupBecomeTheContactsView)
{
    projectWithGroups();
    InfoZoomAttribute member = attribute(modHaupt::Projekt->FOXGruppen().SyncFeldName());
    InfoZoomAttribute groupId = gruppen()->UniqueIDAttribute();
    ASSERT_FALSE(member.isNull());
    const QStringList ids = column(lower()->Objects(), groupId);
    const QStringList members = column(lower()->Objects(), member);
    // The members of the first group with at least two of them.
    QString group;
    QSet<QString> expected;
    for (const QString &id : ids) {
        expected.clear();
        for (int i = 0; i < ids.size(); ++i)
            if (ids.at(i) == id && members.at(i).startsWith(QLatin1String("CO")))
                expected.insert(members.at(i));
        if (expected.size() >= 2) {
            group = id;
            break;
        }
    }
    ASSERT_FALSE(group.isEmpty());
    for (const QString &contact : expected)
        member.SelectValue(contact, true);
    run("mnuZoomContacts");
    const QStringList shown = column(upper()->CurrentObjects(), window->Kontakte()->UniqueIDAttribute());
    EXPECT_EQ(QSet<QString>(shown.begin(), shown.end()), expected);
    EXPECT_EQ(status(), QStringLiteral("Es wurde auf die Kontakte in Abhängigkeit der Gruppen-Auswahl gezoomt."));
}

TEST_F(GroupsLinked, TheSelectedGroupIsShownInACT)
{
    projectWithGroups();
    GroupACT::database = groupsDb();
    GroupACT::shown.clear();
    records::RunningACT::setFactory([] { return std::make_unique<GroupACT>(); });
    InfoZoomAttribute groupId = gruppen()->UniqueIDAttribute();
    InfoZoomObjects rows = lower()->Objects();
    rows.Reset();
    const QString group = rows.NextObject().Value(groupId).toString();
    groupId.SelectValue(group, true);
    window->Toolbar_ButtonClick(QStringLiteral("btnACTGruppen"));
    EXPECT_EQ(GroupACT::shown.size(), 1);
    EXPECT_EQ(status(), QStringLiteral("Die Gruppe wurde in ACT! angezeigt."));
    EXPECT_TRUE(window->Toolbar()->isEnabled());
}

} // namespace
