// The ACT! lookup of the selected groups, against a scripted running ACT!: the refusals, the question
// on a different database, and the groups shown one after the other with a lookup of all first.
#include "GroupsFixture.h"

#include "records/RunningACT.h"

using platform::MsgAnswer;
using platform::MsgIcon;
using records::clGruppen;

namespace {

// What the scripted ACT! was asked to do.
struct ActScript
{
    bool running = true;
    QString database;
    QStringList refused; // IDs whose group cannot be shown
    QList<std::pair<QString, bool>> shown;
};

class ScriptedACT final : public records::RunningACT
{
public:
    explicit ScriptedACT(ActScript &script) : m_script(script) {}
    bool ACTgestartet() override { return m_script.running; }
    QString ACTDatenbank() override { return m_script.running ? m_script.database : QString(); }
    bool CreateContactSearch(const QString &) override { return false; }
    bool ShowGroupByUniqueID(const QString &uniqueId, bool lookupAll) override
    {
        m_script.shown.append({uniqueId, lookupAll});
        return !m_script.refused.contains(uniqueId);
    }
    void Zeigen() override {}

private:
    ActScript &m_script;
};

class GruppenSearch : public GroupsFixture
{
protected:
    void SetUp() override
    {
        m_script.database = demoPath();
        records::RunningACT::setFactory([this] { return std::make_unique<ScriptedACT>(m_script); });
    }
    void TearDown() override
    {
        records::RunningACT::setFactory(nullptr);
        GroupsFixture::TearDown();
    }
    // Selects these groups' values in the unique-ID attribute, in this order.
    void select(const clGruppen &gruppen, const QStringList &names)
    {
        for (const QString &name : names)
            gruppen.UniqueIDAttribute().SelectValue(hex(storedGroup(name).id, "GR"), true);
    }

    ActScript m_script;
};

TEST_F(GruppenSearch, EachSelectedGroupIsShownAndOnlyTheFirstLooksUpAllGroups)
{
    clGruppen gruppen;
    readGroups(gruppen);
    select(gruppen, {QStringLiteral("Kunden Nord"), QStringLiteral("Kunden"), QStringLiteral("Kunden Süd")});
    EXPECT_TRUE(gruppen.CreateACTSearch());
    const QList<std::pair<QString, bool>> expected = {{storedGroup(QStringLiteral("Kunden Nord")).id, true},
                                                      {storedGroup(QStringLiteral("Kunden")).id, false},
                                                      {storedGroup(QString::fromUtf8("Kunden Süd")).id, false}};
    EXPECT_EQ(m_script.shown, expected);
    EXPECT_EQ(m_control.Table()->StatusText(), QStringLiteral("Die ACT! Gruppensuche wurde gebildet."));
}

TEST_F(GruppenSearch, AGroupACTCannotShowEndsTheLookup)
{
    clGruppen gruppen;
    readGroups(gruppen);
    select(gruppen, {QStringLiteral("Kunden"), QStringLiteral("Presse"), QStringLiteral("Newsletter")});
    m_script.refused << storedGroup(QStringLiteral("Presse")).id;
    EXPECT_FALSE(gruppen.CreateACTSearch());
    EXPECT_EQ(m_script.shown.size(), 2);
    EXPECT_EQ(m_control.Table()->StatusText(), QStringLiteral("Die ACT! Suche konnte nicht erstellt werden!"));
}

TEST_F(GruppenSearch, WithoutARunningACTOrItsDatabaseTheUserIsAskedToActFirst)
{
    clGruppen gruppen;
    readGroups(gruppen);
    select(gruppen, {QStringLiteral("Kunden")});
    m_script.running = false;
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte starten Sie zuvor ACT!."));
    EXPECT_FALSE(gruppen.CreateACTSearch());
    m_script.running = true;
    m_script.database.clear();
    m_ui.expectMsgBox(MsgIcon::Information, QString::fromUtf8("Bitte öffnen Sie zuvor die ACT!-Datenbank."));
    EXPECT_FALSE(gruppen.CreateACTSearch());
    EXPECT_TRUE(m_script.shown.isEmpty());
}

TEST_F(GruppenSearch, ADifferentDatabaseInACTIsQuestionedAndNoStops)
{
    clGruppen gruppen;
    readGroups(gruppen);
    select(gruppen, {QStringLiteral("Kunden")});
    m_script.database = QStringLiteral("/daten/Andere.dbf");
    const QString question = QStringLiteral("Die aktuelle ACT! Datenbank \"/daten/Andere.dbf\"\r\n"
                                            "entpricht nicht der Projektdatenbank \"%1\".\r\n"
                                            "Soll trotzdem versucht werden eine Gruppensuche in ACT! zu bilden?")
                                 .arg(demoPath());
    m_ui.expectMsgBox(MsgIcon::Question, question, MsgAnswer::No);
    EXPECT_FALSE(gruppen.CreateACTSearch());
    EXPECT_EQ(m_control.Table()->StatusText(), QStringLiteral("Die Erstellung der ACT! Suche wurde abgebrochen."));
    EXPECT_TRUE(m_script.shown.isEmpty());

    m_ui.expectMsgBox(MsgIcon::Question, question, MsgAnswer::Yes);
    EXPECT_TRUE(gruppen.CreateACTSearch());
    EXPECT_EQ(m_script.shown.size(), 1);
}

TEST_F(GruppenSearch, TheSameDatabaseInAnotherCaseIsNoDifference)
{
    clGruppen gruppen;
    readGroups(gruppen);
    select(gruppen, {QStringLiteral("Kunden")});
    m_script.database = demoPath().toUpper();
    EXPECT_TRUE(gruppen.CreateACTSearch());
}

TEST_F(GruppenSearch, ATableWithoutTheUniqueIdAttributeCannotBeLookedUp)
{
    clGruppen gruppen;
    readGroups(gruppen);
    gruppen.setUniqueIDFieldName(QStringLiteral("ACTFieldID|999"));
    EXPECT_FALSE(gruppen.CreateACTSearch());
    EXPECT_EQ(m_control.Table()->StatusText(),
              QStringLiteral("Die UniqueID wurde unter den Attributen nicht gefunden."));
}

} // namespace
