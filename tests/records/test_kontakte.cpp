// The contacts record class on demo databases: opening with and without login, the field list and
// field arrays, the field dialog, reading and reloading the contacts, the user-name lookup.
#include "GTestScriptedUi.h"

#include "actlink/frmACTLogin.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDemoDatabase.h"
#include "records/RunningACT.h"
#include "records/clKontakte.h"
#include "records/frmFelder.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace records;
using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

class Kontakte : public ::testing::Test
{
public:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        QString error;
        actserver::ActDemoOptions multi;
        multi.contacts = 130;
        ASSERT_TRUE(actserver::ActDemoDatabase::create(s_dir->path(), QStringLiteral("Mehrplatz"), multi, &error))
            << error.toStdString();
        actserver::ActDemoOptions single;
        single.contacts = 80;
        single.singleUser = true;
        ASSERT_TRUE(actserver::ActDemoDatabase::create(s_dir->path(), QStringLiteral("Einzel"), single, &error))
            << error.toStdString();
    }
    static void TearDownTestSuite() { s_dir.reset(); }

protected:
    void SetUp() override { m_kontakte.Init(&m_control, &m_status, &m_actInfo); }
    void TearDown() override { frmFelder::Unload(); }

    static QString multiPath() { return s_dir->filePath(QStringLiteral("Mehrplatz.dbf")); }
    static QString singlePath() { return s_dir->filePath(QStringLiteral("Einzel.dbf")); }

    // A modal answer that ticks the fields with these labels and clicks OK.
    static std::function<int(QDialog *)> tick(const QStringList &labels)
    {
        return [labels](QDialog *d) {
            auto *dialog = dynamic_cast<frmFelder *>(d);
            EXPECT_NE(dialog, nullptr);
            for (int i = 0; i < dialog->itemCount(); ++i)
                if (labels.contains(dialog->itemText(i)))
                    dialog->setChecked(i, true);
            dialog->cmdOk_Click();
            return int(QDialog::Accepted);
        };
    }
    static std::function<int(QDialog *)> login(const QString &expectedUser, const QString &password)
    {
        return [=](QDialog *d) {
            auto *dialog = dynamic_cast<actlink::frmACTLogin *>(d);
            EXPECT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->txbBenutzername()->text(), expectedUser);
            dialog->txbKennwort()->setText(password);
            dialog->cmdOk()->click();
            return int(QDialog::Accepted);
        };
    }
    static std::function<int(QDialog *)> cancelLogin()
    {
        return [](QDialog *d) {
            dynamic_cast<actlink::frmACTLogin *>(d)->cmdAbbruch()->click();
            return int(QDialog::Rejected);
        };
    }

    static std::unique_ptr<QTemporaryDir> s_dir;
    GTestScriptedUi m_ui;
    InfoZoomControl m_control;
    QLabel m_status;
    QLabel m_actInfo;
    clKontakte m_kontakte;
};

std::unique_ptr<QTemporaryDir> Kontakte::s_dir;

TEST_F(Kontakte, ASingleUserDatabaseOpensWithoutLoginAndNamesItselfInThePanel)
{
    ASSERT_TRUE(m_kontakte.OpenDatabase(singlePath(), QString(), QString()));
    EXPECT_EQ(m_kontakte.Databasename(), QStringLiteral("Einzel.dbf"));
    EXPECT_EQ(m_kontakte.Databasepath(), singlePath());
    EXPECT_EQ(m_actInfo.text(), QStringLiteral("Einzel.dbf"));
    EXPECT_EQ(m_actInfo.toolTip(), QStringLiteral("Verbindung mit der ACT!-Datenbank \"Einzel.dbf\" aus dem Ordner: \"%1\"")
                                       .arg(singlePath()));
    EXPECT_EQ(m_kontakte.ACTDB_UserCount(), 1);
    EXPECT_EQ(m_kontakte.ACTDB_UserName(1), QString::fromUtf8("Anna Schäfer"));
    EXPECT_EQ(m_kontakte.ACTDB_UserName(0), QString());
    EXPECT_EQ(m_kontakte.ACTDB_UserName(2), QString());
    EXPECT_EQ(m_control.Table()->StatusText(), QString());
}

TEST_F(Kontakte, AStoredUserIsTriedWithAnEmptyPasswordBeforeTheLoginDialog)
{
    m_ui.expectModal(login(QString::fromUtf8("Jörg Müller"), QStringLiteral("Vertrieb#2")));
    ASSERT_TRUE(m_kontakte.OpenDatabase(multiPath(), QString::fromUtf8("Jörg Müller"), QString()));
    EXPECT_EQ(m_kontakte.DatabaseUser(), QString::fromUtf8("Jörg Müller"));
    EXPECT_TRUE(m_kontakte.IsDatabaseOpen());
}

TEST_F(Kontakte, AUserWithTheRightPasswordNeedsNoDialog)
{
    ASSERT_TRUE(m_kontakte.OpenDatabase(multiPath(), QString::fromUtf8("Petra Weiß"), QStringLiteral("Service#3")));
    EXPECT_EQ(m_kontakte.ACTDB_UserCount(), 3);
}

TEST_F(Kontakte, ARefusedLoginAsksAgainAndCancelLeavesTheDatabaseUnopened)
{
    m_ui.expectModal(login(QString(), QStringLiteral("falsch"))).expectModal([](QDialog *d) {
        auto *dialog = dynamic_cast<actlink::frmACTLogin *>(d);
        // The dialog comes back with what was typed.
        EXPECT_EQ(dialog->txbKennwort()->text(), QStringLiteral("falsch"));
        dialog->cmdAbbruch()->click();
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(m_kontakte.OpenDatabase(multiPath(), QString(), QString()));
    EXPECT_FALSE(m_kontakte.IsDatabaseOpen());
    EXPECT_EQ(m_actInfo.text(), QString());
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."));
    EXPECT_FALSE(m_kontakte.SelectFields());
}

TEST_F(Kontakte, AMissingDatabaseFileIsReported)
{
    const QString gone = s_dir->filePath(QStringLiteral("Weg.dbf"));
    m_ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Die ACT!-Datenbank '%1' kann nicht gefunden werden.").arg(gone));
    EXPECT_FALSE(m_kontakte.OpenDatabase(gone, QString(), QString()));
}

TEST_F(Kontakte, WithoutARunningACTTheCurrentDatabaseCannotBeReached)
{
    m_ui.expectMsgBox(MsgIcon::Exclamation,
                      QStringLiteral("Auf die unter ACT! geöffnete Datenbank kann nicht zugegriffen werden."));
    EXPECT_FALSE(m_kontakte.OpenDatabase(QString(), QString(), QString()));
}

TEST_F(Kontakte, OpeningAgainAsksBeforeClosingTheOpenDatabase)
{
    ASSERT_TRUE(m_kontakte.OpenDatabase(singlePath(), QString(), QString()));
    m_ui.expectMsgBox(MsgIcon::Question,
                      QString::fromUtf8("Soll die aktuelle ACT!-Datenbank 'Einzel.dbf' geschlossen werden?"),
                      MsgAnswer::No);
    EXPECT_FALSE(m_kontakte.OpenDatabase(multiPath(), QString(), QString()));
    EXPECT_EQ(m_kontakte.Databasepath(), singlePath());
    EXPECT_TRUE(m_kontakte.IsDatabaseOpen());
    m_ui.expectMsgBox(MsgIcon::Question, QStringLiteral("geschlossen werden?"), MsgAnswer::Yes);
    ASSERT_TRUE(m_kontakte.OpenDatabase(multiPath(), QString::fromUtf8("Anna Schäfer"), QStringLiteral("Kontakt#1")));
    EXPECT_EQ(m_actInfo.text(), QStringLiteral("Mehrplatz.dbf"));
}

TEST_F(Kontakte, TheFieldListLeavesOutTheIdAndSystemFieldsAndRelabelsTheMailFields)
{
    ASSERT_TRUE(m_kontakte.OpenDatabase(singlePath(), QString(), QString()));
    frmFelder dialog;
    ASSERT_TRUE(m_kontakte.FillFieldList(dialog));
    QStringList keys;
    for (int i = 0; i < dialog.itemCount(); ++i)
        keys << dialog.itemKey(i);
    EXPECT_FALSE(keys.contains(QStringLiteral("ACTFieldID|1")));
    EXPECT_FALSE(keys.contains(QStringLiteral("ACTFieldID|201")));
    for (int id = 500; id <= 504; ++id)
        EXPECT_FALSE(keys.contains(QStringLiteral("ACTFieldID|%1").arg(id)));
    EXPECT_EQ(dialog.itemText(dialog.indexOfKey(QStringLiteral("ACTFieldID|200"))), QStringLiteral("Email Adresse"));
    EXPECT_EQ(dialog.itemText(dialog.indexOfKey(QStringLiteral("ACTFieldID|202"))), QStringLiteral("Email Logon"));
    EXPECT_EQ(dialog.itemTag(dialog.indexOfKey(QStringLiteral("ACTFieldID|6"))), QStringLiteral("4"));
    EXPECT_EQ(dialog.itemTag(dialog.indexOfKey(QStringLiteral("ACTFieldID|26"))), QStringLiteral("2"));
    EXPECT_EQ(dialog.itemTag(dialog.indexOfKey(QStringLiteral("ACTFieldID|29"))), QStringLiteral("3"));
    EXPECT_EQ(dialog.itemTag(dialog.indexOfKey(QStringLiteral("ACTFieldID|28"))), QStringLiteral("5"));
    EXPECT_EQ(keys.first(), QStringLiteral("ACTFieldID|2"));
}

TEST_F(Kontakte, ChosenFieldsAreReadWithTheIdFirstAndUserNamesLookedUp)
{
    ASSERT_TRUE(m_kontakte.OpenDatabase(multiPath(), QString::fromUtf8("Anna Schäfer"), QStringLiteral("Kontakt#1")));
    m_ui.expectModal(tick({QStringLiteral("Firma"), QStringLiteral("Datensatz-Manager"), QStringLiteral("Mitarbeiter")}));
    ASSERT_TRUE(m_kontakte.SelectFields());
    EXPECT_EQ(m_kontakte.FieldIDs(), (QVector<qint16>{1, 2, 6, 27}));
    EXPECT_EQ(m_kontakte.FieldTypes(), (QVector<int>{4, 0, 4, 1}));
    EXPECT_EQ(m_kontakte.FieldLabels().first(), QStringLiteral("Eindeutige ID"));
    m_kontakte.ShowData();
    InfoZoomTable &table = *m_control.Table();
    EXPECT_EQ(table.Objects().Count(), 130);
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Kontakte"));
    EXPECT_EQ(m_kontakte.UniqueIDFieldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(m_kontakte.SyncFieldName(), QStringLiteral("ACTFieldID|1"));
    InfoZoomObjects rows = table.Objects();
    rows.Reset();
    const QStringList users{QString::fromUtf8("Anna Schäfer"), QString::fromUtf8("Jörg Müller"),
                            QString::fromUtf8("Petra Weiß"), QStringLiteral("Unbekannt")};
    int known = 0;
    for (int i = 0; i < rows.Count(); ++i) {
        InfoZoomObject row = rows.NextObject();
        const QString id = row.Value(InfoZoomAttribute(table.AttributeItem(0))).toString();
        EXPECT_TRUE(id.startsWith(QStringLiteral("CO")) && id.size() == 26) << id.toStdString();
        const QString user = row.Value(InfoZoomAttribute(table.AttributeItem(2))).toString();
        EXPECT_TRUE(users.contains(user)) << user.toStdString();
        known += user != QStringLiteral("Unbekannt") ? 1 : 0;
    }
    EXPECT_GT(known, 0);
}

TEST_F(Kontakte, ACancelledDialogLeavesTheFieldsOfTheCurrentTable)
{
    ASSERT_TRUE(m_kontakte.OpenDatabase(singlePath(), QString(), QString()));
    m_ui.expectModal(tick({QStringLiteral("Ort")}));
    ASSERT_TRUE(m_kontakte.SelectFields());
    m_kontakte.ShowData();
    m_ui.expectModal([](QDialog *d) {
        auto *dialog = dynamic_cast<frmFelder *>(d);
        // The dialog shows the table's fields ticked.
        EXPECT_TRUE(dialog->isChecked(dialog->indexOfKey(QStringLiteral("ACTFieldID|15"))));
        dialog->setChecked(dialog->indexOfKey(QStringLiteral("ACTFieldID|2")), true);
        dialog->cmdAbbruch_Click();
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(m_kontakte.SelectFields());
    EXPECT_EQ(m_kontakte.FieldIDs(), (QVector<qint16>{1, 15}));
}

TEST_F(Kontakte, LoadingAStoredTableRebuildsTheFieldArraysFromItsAttributes)
{
    ASSERT_TRUE(m_kontakte.OpenDatabase(singlePath(), QString(), QString()));
    m_ui.expectModal(tick({QStringLiteral("Ort"), QStringLiteral("Firma"), QStringLiteral("Erstellt am")}));
    ASSERT_TRUE(m_kontakte.SelectFields());
    m_kontakte.ShowData();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("P_Kontakte.fox"));
    m_control.Table()->SaveFile(file);

    InfoZoomControl control;
    QLabel status, info;
    clKontakte loaded;
    loaded.Init(&control, &status, &info);
    ASSERT_TRUE(loaded.OpenDatabase(singlePath(), QString(), QString()));
    loaded.LoadData(file);
    EXPECT_EQ(control.Tag(), QStringLiteral("Kontakte"));
    EXPECT_EQ(control.Table()->Objects().Count(), 80);
    EXPECT_EQ(loaded.FieldIDs(), (QVector<qint16>{1, 2, 15, 29}));
    EXPECT_EQ(control.Table()->StatusText(), QStringLiteral("Fertig."));
}

TEST_F(Kontakte, ReleaseClosesTheDatabaseAndClearsThePanel)
{
    QLabel info;
    InfoZoomControl control;
    QLabel status;
    std::shared_ptr<actserver::ACTDatabaseObject> database;
    {
        clKontakte kontakte;
        kontakte.Init(&control, &status, &info);
        ASSERT_TRUE(kontakte.OpenDatabase(singlePath(), QString(), QString()));
        database = kontakte.ACTOLEDatabase();
        EXPECT_TRUE(database->IsOpen());
    }
    EXPECT_FALSE(database->IsOpen());
    EXPECT_EQ(info.text(), QString());
    EXPECT_EQ(info.toolTip(), QString());
}

TEST_F(Kontakte, ALookupNeedsARunningACT)
{
    ASSERT_TRUE(m_kontakte.OpenDatabase(singlePath(), QString(), QString()));
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Bitte starten Sie zuvor ACT!."));
    EXPECT_FALSE(m_kontakte.CreateACTSearch());
}

// A running ACT! that answers the lookup as the test says and records what it was given.
class LookupACT final : public RunningACT
{
public:
    LookupACT(QString database, bool accept, QStringList &lookups, int &shown)
        : m_database(std::move(database)), m_accept(accept), m_lookups(lookups), m_shown(shown)
    {
    }
    bool ACTgestartet() override { return true; }
    QString ACTDatenbank() override { return m_database; }
    bool CreateContactSearch(const QString &ids) override
    {
        m_lookups << ids;
        return m_accept;
    }
    void Zeigen() override { ++m_shown; }

private:
    QString m_database;
    bool m_accept;
    QStringList &m_lookups;
    int &m_shown;
};

TEST_F(Kontakte, ALookupACTRefusesIsReportedAsAFailure)
{
    ASSERT_TRUE(m_kontakte.OpenDatabase(singlePath(), QString(), QString()));
    m_ui.expectModal(tick({QStringLiteral("Ort")}));
    ASSERT_TRUE(m_kontakte.SelectFields());
    m_kontakte.ShowData();
    InfoZoomTable &table = *m_control.Table();
    InfoZoomAttribute id = m_kontakte.UniqueIDAttribute();
    ASSERT_FALSE(id.isNull());
    InfoZoomObjects rows = table.Objects();
    rows.Reset();
    const QString first = rows.NextObject().Value(id).toString();
    id.SelectValue(first, true);

    QStringList lookups;
    int shown = 0;
    bool accept = false;
    RunningACT::setFactory([&] { return std::make_unique<LookupACT>(singlePath(), accept, lookups, shown); });
    EXPECT_FALSE(m_kontakte.CreateACTSearch());
    EXPECT_EQ(table.StatusText(), QStringLiteral("Die ACT! Suche konnte nicht erstellt werden!"));
    EXPECT_EQ(shown, 0);

    accept = true;
    EXPECT_TRUE(m_kontakte.CreateACTSearch());
    EXPECT_EQ(table.StatusText(), QStringLiteral("Die ACT! Suche wurde gebildet."));
    EXPECT_EQ(shown, 1);
    RunningACT::setFactory(nullptr);
    ASSERT_EQ(lookups.size(), 2);
    EXPECT_EQ(lookups.first().size(), 12); // one contact's unique ID
}

TEST_F(Kontakte, ALookupInAnotherDatabaseIsAskedForAndNoStopsIt)
{
    ASSERT_TRUE(m_kontakte.OpenDatabase(singlePath(), QString(), QString()));
    m_ui.expectModal(tick({QStringLiteral("Ort")}));
    ASSERT_TRUE(m_kontakte.SelectFields());
    m_kontakte.ShowData();
    InfoZoomAttribute id = m_kontakte.UniqueIDAttribute();
    ASSERT_FALSE(id.isNull());
    InfoZoomObjects rows = m_control.Table()->Objects();
    rows.Reset();
    id.SelectValue(rows.NextObject().Value(id), true);

    QStringList lookups;
    int shown = 0;
    const QString other = QStringLiteral("/daten/Andere.dbf");
    RunningACT::setFactory([&] { return std::make_unique<LookupACT>(other, true, lookups, shown); });
    const QString question = QStringLiteral("Die aktuelle ACT! Datenbank \"/daten/Andere.dbf\"\r\n"
                                            "entpricht nicht der Projektdatenbank \"%1\".\r\n"
                                            "Soll trotzdem versucht werden eine Kontaktsuche in ACT! zu bilden?")
                                 .arg(singlePath());
    m_ui.expectMsgBox(MsgIcon::Question, question, MsgAnswer::No);
    EXPECT_FALSE(m_kontakte.CreateACTSearch());
    EXPECT_EQ(m_control.Table()->StatusText(), QStringLiteral("Die Erstellung der ACT! Suche wurde abgebrochen."));
    EXPECT_TRUE(lookups.isEmpty());

    m_ui.expectMsgBox(MsgIcon::Question, question, MsgAnswer::Yes);
    EXPECT_TRUE(m_kontakte.CreateACTSearch());
    EXPECT_EQ(lookups.size(), 1);
    EXPECT_EQ(shown, 1);
    RunningACT::setFactory(nullptr);
}

} // namespace
