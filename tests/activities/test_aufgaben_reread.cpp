// Reading activities again into a table that holds attributes, the removal of a leading "Kennung" and
// "Kennwert", and the transfer's progress, cancel and bad-record handling over scripted records.
#include "AufgabenFixture.h"

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

class AufgabenReread : public AufgabenFixture
{
protected:
    // count records scheduled with one contact each; record i has the subject "Betreff i+1".
    ScriptedActivities scripted(int count)
    {
        ScriptedActivities source;
        for (int i = 0; i < count; ++i) {
            QStringList values(26);
            values[0] = QStringLiteral("AKT%1").arg(i + 1, 9, 10, QLatin1Char('0'));
            values[9] = QStringLiteral("Betreff %1").arg(i + 1);
            values[10] = QStringLiteral("1");
            values[11] = m_db.contacts().at(i % m_db.contacts().size());
            source.rows << values;
        }
        return source;
    }
};

TEST_F(AufgabenReread, ReusesAttributesByImportNameKeepsOthersAndReplacesTheRows)
{
    read();
    const int firstRows = rows();
    ASSERT_GT(firstRows, 0);
    attribute(27).setName(QStringLiteral("Mein Betreff"));
    table()->DeleteAttribute(attribute(36), true, true);
    InfoZoomAttribute own = table()->Attributes().Add(QStringLiteral("Eigene Spalte"));
    own.setImportName(QStringLiteral("ACTFieldID|999"));

    read();
    EXPECT_EQ(rows(), firstRows);
    EXPECT_EQ(attribute(27).Name(), QStringLiteral("Mein Betreff"));
    ASSERT_EQ(table()->AttributeList().Count(), 27);
    // The deleted field comes back at the end, after the user's own attribute, which stays empty.
    EXPECT_EQ(table()->AttributeItem(25).ImportName(), QStringLiteral("ACTFieldID|999"));
    EXPECT_EQ(table()->AttributeItem(26).ImportName(), QStringLiteral("ACTFieldID|36"));
    EXPECT_EQ(table()->AttributeItem(26).Name(), QStringLiteral("Ort"));
    EXPECT_EQ(column(999), QStringList(rows(), QString()));
    // The contact key of the other rows is filled again.
    EXPECT_FALSE(cell(0, 40).toString().isEmpty());
}

TEST_F(AufgabenReread, AnAttributeLeftByAnotherKindIsReusedUnderItsName)
{
    // A notes table left its subject attribute (field 27 there too) in the lower table.
    InfoZoomAttribute left = table()->Attributes().Add(QStringLiteral("Notiztext"));
    left.setImportName(QStringLiteral("ACTFieldID|27"));
    read();
    EXPECT_EQ(table()->AttributeItem(0).Name(), QStringLiteral("Notiztext"));
    EXPECT_EQ(attribute(27), InfoZoomAttribute(table()->AttributeItem(0)));
    EXPECT_EQ(table()->AttributeList().Count(), 26);
}

TEST_F(AufgabenReread, ALeadingKennungBeforeAndKennwertAfterAreRemoved)
{
    table()->Attributes().Add(QStringLiteral("Kennung"));
    read();
    EXPECT_EQ(table()->AttributeList().Count(), 26);
    EXPECT_EQ(table()->AttributeItem(0).ImportName(), QStringLiteral("ACTFieldID|1"));

    table()->NewTable();
    table()->Attributes().Add(QStringLiteral("Kennwert"));
    read();
    EXPECT_EQ(table()->AttributeList().Count(), 26);
    EXPECT_EQ(table()->AttributeItem(0).ImportName(), QStringLiteral("ACTFieldID|1"));
}

TEST_F(AufgabenReread, AnActivityColumnRenamedKennwertIsKept)
{
    read();
    table()->AttributeItem(0).setName(QStringLiteral("Kennwert"));
    read();
    EXPECT_EQ(table()->AttributeList().Count(), 26);
    EXPECT_EQ(table()->AttributeItem(0).Name(), QStringLiteral("Kennwert"));
    EXPECT_FALSE(cell(0, 1).toString().isEmpty());
}

TEST_F(AufgabenReread, ProgressEveryFiftyThirdRecordAndAttributePercentages)
{
    ScriptedActivities source = scripted(200);
    fresh().ShowData(source);
    EXPECT_EQ(rows(), 200);
    QStringList progress;
    for (const QString &text : m_statusTexts)
        if (text.startsWith(QStringLiteral("Übertrage")) || text.startsWith(QStringLiteral("Erstelle")))
            progress << text;
    EXPECT_EQ(progress,
              (QStringList{QStringLiteral("Erstelle Attribute (0%)"), QStringLiteral("Erstelle Attribute (19%)"),
                           QStringLiteral("Erstelle Attribute (38%)"), QStringLiteral("Erstelle Attribute (57%)"),
                           QStringLiteral("Erstelle Attribute (76%)"), QStringLiteral("Erstelle Attribute (96%)"),
                           QStringLiteral("Übertrage Aufgabendaten... (1/200)"),
                           QStringLiteral("Übertrage Aufgabendaten... (53/200)"),
                           QStringLiteral("Übertrage Aufgabendaten... (106/200)"),
                           QStringLiteral("Übertrage Aufgabendaten... (159/200)")}));
    EXPECT_EQ(m_statusTexts.first(), QStringLiteral("InfoZoom Tabelle wird erstellt..."));
    EXPECT_EQ(m_statusTexts.last(), QStringLiteral("Fertig."));
}

TEST_F(AufgabenReread, ACancelSeenAtRecord159KeepsItsRowsTheTextAndAKennwert)
{
    ScriptedActivities source = scripted(200);
    table()->Attributes().Add(QStringLiteral("Kennwert"));
    records::clAufgaben &aufgaben = fresh();
    // The click arrives while "(106/200)" is shown: the test at 106 has passed, so 159 sees it.
    m_ui.onDoEvents = [&] {
        if (table()->StatusText() == QStringLiteral("Übertrage Aufgabendaten... (106/200)"))
            aufgaben.setCancel(true);
    };
    aufgaben.ShowData(source);
    m_ui.onDoEvents = nullptr;
    EXPECT_EQ(rows(), 159);
    EXPECT_EQ(cell(158, 27).toString(), QStringLiteral("Betreff 159"));
    EXPECT_EQ(table()->StatusText(),
              QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Aufgabendaten eingelesen!"));
    EXPECT_EQ(table()->AttributeItem(0).Name(), QStringLiteral("Kennwert"));
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Aufgaben"));
    EXPECT_EQ(aufgaben.SyncFieldName(), QStringLiteral("ACTFieldID|40"));
    EXPECT_TRUE(aufgaben.DateOfData().isValid());
    EXPECT_TRUE(m_control.DisplayEnabled());
}

TEST_F(AufgabenReread, AFailingRecordAnsweredYesIsSkippedWithoutItsProgressStep)
{
    ScriptedActivities source = scripted(200);
    source.bad.insert(105, 1006);
    m_ui.expectMsgBox(
        MsgIcon::Question,
        QStringLiteral("Fehlernummer: 1006\r\nLfd. Datensatznummer: 106\r\nSoll weiterhin versucht werden "
                       "die Daten einzulesen?"),
        MsgAnswer::Yes);
    fresh().ShowData(source);
    EXPECT_EQ(rows(), 199);
    EXPECT_EQ(cell(105, 27).toString(), QStringLiteral("Betreff 107"));
    EXPECT_FALSE(m_statusTexts.contains(QStringLiteral("Übertrage Aufgabendaten... (106/200)")));
    EXPECT_TRUE(m_statusTexts.contains(QStringLiteral("Übertrage Aufgabendaten... (159/200)")));
    EXPECT_EQ(table()->StatusText(), QStringLiteral("Fertig."));
}

TEST_F(AufgabenReread, AFailingRecordAnsweredNoEndsLikeACancel)
{
    ScriptedActivities source = scripted(200);
    source.bad.insert(105, 1006);
    m_ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Lfd. Datensatznummer: 106"), MsgAnswer::No);
    fresh().ShowData(source);
    EXPECT_EQ(rows(), 105);
    EXPECT_EQ(table()->StatusText(),
              QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Aufgabendaten eingelesen!"));
}

TEST_F(AufgabenReread, ACountThatIsNoNumberGivesOneRowWithFieldFortysContact)
{
    ScriptedActivities source = scripted(4);
    const QStringList &c = m_db.contacts();
    source.rows[0][10] = QStringLiteral("viele");
    source.rows[1][10] = QStringLiteral("2");
    source.scheduled.insert(1, {c[3], c[4]});
    source.rows[2][10] = QStringLiteral("-1");
    source.rows[3][10] = QStringLiteral("99999999999"); // beyond 32 bits: no number either
    fresh().ShowData(source);
    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(column(40), (QStringList{hex(c[0], "CO"), hex(c[3], "CO"), hex(c[4], "CO"), hex(c[3], "CO")}));
    EXPECT_EQ(cell(0, 100), QVariant(-1));
    EXPECT_EQ(cell(1, 100), QVariant(2));
}

TEST_F(AufgabenReread, ACountBeyondTheScheduledContactsIsADamagedRecord)
{
    // A count the schedule list cannot fill, up to the largest a damaged file can hold.
    for (const char *count : {"3", "2147483647"}) {
        ScriptedActivities source = scripted(3);
        const QStringList &c = m_db.contacts();
        source.rows[1][10] = QString::fromLatin1(count);
        source.scheduled.insert(1, {c[2]});
        m_ui.expectMsgBox(
            MsgIcon::Question,
            QStringLiteral("Fehler beim Einlesen eines ACT!-Datensatzes aufgetreten.\r\nACT!-OLE-Database "
                           "Error: DBDataCorrupt\r\nFehlernummer: -90\r\nLfd. Datensatznummer: 2"),
            MsgAnswer::Yes);
        fresh().ShowData(source);
        EXPECT_EQ(column(40), (QStringList{hex(c[0], "CO"), hex(c[2], "CO")})) << count;
        EXPECT_EQ(table()->StatusText(), QStringLiteral("Fertig."));
    }
}

} // namespace
