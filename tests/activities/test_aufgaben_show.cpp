// Showing an activity in ACT! through a recording double of the running ACT!: the refusals (ACT! not
// running, no database, an ID of another type), the lookup of the contact before the activity, and
// the status line cleared on every path.
#include "AufgabenFixture.h"

#include "platform/VbError.h"
#include "records/RunningACT.h"

using platform::MsgIcon;

namespace {

struct ActState
{
    bool running = true;
    QString database = QStringLiteral("/daten/act/kontakte.dbf");
    bool lookupWorks = true;
    bool showWorks = true;
    QStringList calls;
};

class RecordingACT final : public records::RunningACT
{
public:
    explicit RecordingACT(ActState &state) : m_state(state) {}
    bool ACTgestartet() override { return m_state.running; }
    QString ACTDatenbank() override { return m_state.database; }
    bool CreateContactSearch(const QString &ids) override
    {
        m_state.calls << QStringLiteral("Suche:") + ids;
        return m_state.lookupWorks;
    }
    void Zeigen() override { m_state.calls << QStringLiteral("Zeigen"); }
    bool ShowActivityByUniqueID(const QString &id) override
    {
        m_state.calls << QStringLiteral("Aufgabe:") + id;
        return m_state.showWorks;
    }

private:
    ActState &m_state;
};

class AufgabenShow : public AufgabenFixture
{
protected:
    void SetUp() override
    {
        records::RunningACT::setFactory([this] { return std::make_unique<RecordingACT>(m_act); });
        fresh();
    }
    void TearDown() override { records::RunningACT::setFactory(nullptr); }

    bool show(const QString &activity, const QString &contact)
    {
        return m_aufgaben->ShowActivity(hex(activity, "AT"), hex(contact, "CO"));
    }

    ActState m_act;
    const QString m_activity = QStringLiteral("AKT 'X'");
    const QString m_contact = QStringLiteral("KONTAKT-0001");
};

TEST_F(AufgabenShow, TheContactIsLookedUpThenTheActivityShownAndACTBroughtForward)
{
    EXPECT_TRUE(show(m_activity, m_contact));
    EXPECT_EQ(m_act.calls, (QStringList{QStringLiteral("Suche:KONTAKT-0001"), QStringLiteral("Aufgabe:AKT 'X'     "),
                                        QStringLiteral("Zeigen")}));
    EXPECT_EQ(m_statusTexts,
              (QStringList{QStringLiteral("Suche laufende ACT!-Anwendung..."), QStringLiteral("Suche Kontakt..."),
                           QStringLiteral("Suche Aufgabe..."), QString()}));
}

TEST_F(AufgabenShow, ACTNotRunningOrWithoutDatabaseIsRefusedWithANotice)
{
    m_act.running = false;
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte starten Sie zuvor ACT!."));
    EXPECT_FALSE(show(m_activity, m_contact));
    EXPECT_EQ(table()->StatusText(), QString());

    m_act.running = true;
    m_act.database.clear();
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte öffnen Sie zuvor die ACT!-Datenbank."));
    EXPECT_FALSE(show(m_activity, m_contact));
    EXPECT_EQ(table()->StatusText(), QString());
    EXPECT_TRUE(m_act.calls.isEmpty());
}

TEST_F(AufgabenShow, ADifferentDatabaseInACTIsNotAskedAbout)
{
    m_act.database = QStringLiteral("/ganz/andere.dbf");
    EXPECT_TRUE(show(m_activity, m_contact));
}

TEST_F(AufgabenShow, AContactIdInPlaceOfTheActivityDoesNothingSilently)
{
    EXPECT_FALSE(m_aufgaben->ShowActivity(hex(m_contact, "CO"), hex(m_contact, "CO")));
    EXPECT_FALSE(m_aufgaben->ShowActivity(QString(), hex(m_contact, "CO")));
    EXPECT_TRUE(m_act.calls.isEmpty());
    EXPECT_EQ(table()->StatusText(), QString());
}

TEST_F(AufgabenShow, AFailedLookupOrDisplayIsFalseAndLeavesACTBehind)
{
    m_act.lookupWorks = false;
    EXPECT_FALSE(show(m_activity, m_contact));
    EXPECT_EQ(m_act.calls, QStringList{QStringLiteral("Suche:KONTAKT-0001")});
    m_act.calls.clear();
    m_act.lookupWorks = true;
    m_act.showWorks = false;
    EXPECT_FALSE(show(m_activity, m_contact));
    EXPECT_FALSE(m_act.calls.contains(QStringLiteral("Zeigen")));
    EXPECT_EQ(table()->StatusText(), QString());
}

TEST_F(AufgabenShow, ADamagedIdPassesItsErrorUpAndStillClearsTheStatusLine)
{
    bool raised = false;
    try {
        m_aufgaben->ShowActivity(hex(m_activity, "AT"), QStringLiteral("COZZ") + QString(22, u'0'));
    } catch (const platform::VbError &error) {
        raised = error.number() == 5;
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(table()->StatusText(), QString());
}

} // namespace
