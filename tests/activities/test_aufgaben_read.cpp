// Reading activities from a demo database whose activities the test wrote: the fixed attributes,
// one row per scheduled contact, the code tables, user and group names, dates, first lines, the
// typed IDs and the import names of the sync and unique-ID attributes.
#include "AufgabenFixture.h"

#include <QDateTime>
#include <QFile>

using platform::MsgIcon;

namespace {

class AufgabenRead : public AufgabenFixture
{
protected:
    void SetUp() override
    {
        const QStringList &c = m_db.contacts();
        ASSERT_GE(c.size(), 6);
        m_user = m_db.users().keys().first();
        m_db.addGroup(QStringLiteral("GRUPPE01"), QStringLiteral("Vertrieb Nord"));
        m_db.writeActivities({
            {{1, QStringLiteral("AKT0000001")},
             {100, 3},
             {40, c[1]},
             {25, 1},
             {26, 7},
             {5, 0},
             {45, QStringLiteral("Erste Zeile\r\nZweite Zeile")},
             {37, m_user},
             {38, QStringLiteral("UNBEKANNT01")},
             {28, QDateTime(QDate(2024, 3, 5), QTime(9, 30))},
             {39, QStringLiteral("GRUPPE01")},
             {27, QStringLiteral("Angebot besprechen")},
             {30, 45}},
            {{1, QStringLiteral("AKT0000002")}, {100, 0}, {40, c[4]}},
            {{1, QStringLiteral("AKT0000003")},
             {40, c[5]},
             {39, QStringLiteral("NIEMALS")},
             {45, QStringLiteral("Nur eine Zeile")}},
            {{1, QStringLiteral("AKT0000004")},
             {100, 1},
             {40, c[2]},
             {41, 1},
             {31, 1},
             {35, 1},
             {26, 2},
             {5, 2},
             {25, 2},
             {33, 1},
             {42, QStringLiteral("SERIE1")},
             {32, 3},
             {44, QDateTime(QDate(2023, 12, 31), QTime(23, 59, 58))},
             {38, m_user}},
        });
        m_db.schedule(QStringLiteral("AKT0000001"), {c[1], c[2], c[3]});
        m_db.schedule(QStringLiteral("AKT0000003"), {c[0]});
    }

    QString m_user;
};

TEST_F(AufgabenRead, TheFieldTableWithACTsOwnLabels)
{
    records::clAufgaben &aufgaben = fresh();
    EXPECT_EQ(aufgaben.FieldCount(), 26);
    EXPECT_EQ(aufgaben.FieldIDs(), activityFieldOrder());
    EXPECT_EQ(aufgaben.FieldLabels().at(1), QStringLiteral("Beginn"));
    EXPECT_EQ(aufgaben.FieldLabels().at(10), QStringLiteral("Anzahl Kontakte"));
    const QVector<int> codes{4, 3, 3, 1, 1, 0, 0, 0, 0, 0, 1, 4, 4, 4, 0, 0, 1, 0, 0, 0, 3, 0, 4, 0, 0, 4};
    EXPECT_EQ(aufgaben.FieldTypes(), codes);
}

TEST_F(AufgabenRead, OneRowPerScheduledContactNoneForZeroFieldFortyForEmpty)
{
    read();
    // AKT1 three times, AKT2 not at all, AKT3 once, AKT4 once.
    ASSERT_EQ(rows(), 5);
    const QStringList &c = m_db.contacts();
    EXPECT_EQ(column(40),
              (QStringList{hex(c[1], "CO"), hex(c[2], "CO"), hex(c[3], "CO"), hex(c[5], "CO"), hex(c[2], "CO")}));
    const QString first = hex(QStringLiteral("AKT0000001"), "AT");
    EXPECT_EQ(column(1), (QStringList{first, first, first, hex(QStringLiteral("AKT0000003"), "AT"),
                                      hex(QStringLiteral("AKT0000004"), "AT")}));
    // The three rows of the first activity agree in everything but the contact, field 100 included.
    for (qint16 id : activityFieldOrder()) {
        if (id == 40)
            continue;
        EXPECT_EQ(cell(1, id), cell(0, id)) << "field " << id;
        EXPECT_EQ(cell(2, id), cell(0, id)) << "field " << id;
    }
    EXPECT_EQ(cell(0, 100), QVariant(3));
    EXPECT_EQ(cell(3, 100), QVariant(0)); // the empty count is written as 0
}

TEST_F(AufgabenRead, CodeTablesUserAndGroupNames)
{
    read();
    ASSERT_EQ(rows(), 5);
    EXPECT_EQ(cell(0, 25).toString(), QStringLiteral("Treffen"));
    EXPECT_EQ(cell(0, 26).toString(), QStringLiteral("Unbekannt")); // priority 7
    EXPECT_EQ(cell(0, 5).toString(), QStringLiteral("Unbekannt"));  // visibility 0
    EXPECT_EQ(cell(3, 5).toString(), QStringLiteral("Unbekannt"));  // visibility empty
    EXPECT_EQ(cell(0, 33).toString(), QStringLiteral("Keine Erinnerung"));
    EXPECT_EQ(cell(3, 41).toString(), QStringLiteral("Offen"));
    EXPECT_EQ(cell(3, 31).toString(), QStringLiteral("zeitgebunden"));
    EXPECT_EQ(cell(3, 25).toString(), QStringLiteral("Anruf"));
    EXPECT_EQ(cell(4, 41).toString(), QStringLiteral("Erledigt"));
    EXPECT_EQ(cell(4, 31).toString(), QStringLiteral("zeitlos"));
    EXPECT_EQ(cell(4, 35).toString(), QStringLiteral("Mit Email-Erinnerung"));
    EXPECT_EQ(cell(4, 26).toString(), QStringLiteral("Niedrig"));
    EXPECT_EQ(cell(4, 5).toString(), QStringLiteral("privat"));
    EXPECT_EQ(cell(4, 25).toString(), QStringLiteral("Erledigung"));
    EXPECT_EQ(cell(4, 33).toString(), QStringLiteral("Mit Erinnerung"));

    EXPECT_EQ(cell(0, 37).toString(), m_db.users().value(m_user));
    EXPECT_EQ(cell(0, 38).toString(), QStringLiteral("Unbekannt"));
    EXPECT_EQ(cell(3, 37).toString(), QStringLiteral("Unbekannt")); // no user at all
    EXPECT_EQ(cell(4, 38).toString(), m_db.users().value(m_user));

    EXPECT_EQ(cell(0, 39).toString(), QStringLiteral("Vertrieb Nord"));
    EXPECT_EQ(cell(3, 39).toString(), QStringLiteral("Unbekannt"));
    EXPECT_EQ(cell(4, 39).toString(), QString());
}

TEST_F(AufgabenRead, DatesNumbersFirstLinesAndSeriesIds)
{
    read();
    ASSERT_EQ(rows(), 5);
    EXPECT_EQ(cell(0, 28).toString(), QStringLiteral("05.03.2024 09:30:00"));
    EXPECT_EQ(cell(0, 29).toString(), QStringLiteral("01.01.1970 00:00:00"));
    EXPECT_EQ(cell(4, 44).toString(), QStringLiteral("31.12.2023 23:59:58"));
    EXPECT_EQ(cell(0, 30), QVariant(45));
    EXPECT_EQ(cell(3, 30), QVariant(0));
    EXPECT_EQ(cell(4, 32), QVariant(3));
    EXPECT_EQ(cell(0, 45).toString(), QStringLiteral("Erste Zeile"));
    EXPECT_EQ(cell(3, 45).toString(), QStringLiteral("Nur eine Zeile"));
    EXPECT_EQ(cell(4, 45).toString(), QString());
    EXPECT_EQ(cell(0, 27).toString(), QStringLiteral("Angebot besprechen"));
    EXPECT_EQ(cell(4, 42).toString(), hex(QStringLiteral("SERIE1"), "AT"));
    EXPECT_EQ(attribute(28).Format(), QStringLiteral("tt.mm.jjjj ss:mm:ss"));
    EXPECT_EQ(attribute(100).Format(), QStringLiteral("####"));
    EXPECT_EQ(attribute(25).Format(), QString());
}

TEST_F(AufgabenRead, AttributesInFieldOrderWithImportNamesTagDateAndFertig)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    read();
    ASSERT_EQ(table()->AttributeList().Count(), 26);
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(table()->AttributeItem(i).ImportName(),
                  QStringLiteral("ACTFieldID|") + QString::number(activityFieldOrder().at(i)));
    EXPECT_EQ(table()->AttributeItem(1).Name(), QStringLiteral("Beginn"));
    EXPECT_EQ(m_aufgaben->UniqueIDFieldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(m_aufgaben->SyncFieldName(), QStringLiteral("ACTFieldID|40"));
    EXPECT_EQ(m_aufgaben->SyncFieldAttribute(), attribute(40));
    EXPECT_EQ(m_aufgaben->UniqueIDAttribute(), attribute(1));
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Aufgaben"));
    EXPECT_GE(m_aufgaben->DateOfData(), before);
    EXPECT_LE(m_aufgaben->DateOfData(), QDateTime::currentDateTime());
    EXPECT_EQ(table()->StatusText(), QStringLiteral("Fertig."));
    EXPECT_TRUE(m_control.DisplayEnabled());
    EXPECT_TRUE(table()->DisplayOptionA());
    EXPECT_TRUE(m_statusTexts.contains(QStringLiteral("Initialisiere Gruppenliste...")));
    EXPECT_TRUE(m_statusTexts.contains(QStringLiteral("Übertrage Aufgabendaten... (1/4)")));
}

TEST_F(AufgabenRead, AnEmptyActivityFileGivesAttributesNoRowsAndFertig)
{
    m_db.writeActivities({});
    read();
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(table()->AttributeList().Count(), 26);
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Aufgaben"));
    EXPECT_TRUE(m_aufgaben->DateOfData().isValid());
    EXPECT_EQ(table()->StatusText(), QStringLiteral("Fertig."));
    EXPECT_TRUE(m_statusTexts.contains(QStringLiteral("Übertrage Aufgabendaten... (1/0)")));
}

TEST_F(AufgabenRead, WithoutADatabaseTheFieldsStayUnsetAndShowDataDoesNothing)
{
    records::clAufgaben &aufgaben = fresh(false);
    m_ui.expectMsgBox(MsgIcon::Information, QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."));
    aufgaben.SetACTFields();
    EXPECT_EQ(aufgaben.FieldCount(), 0);
    table()->setStatusText(QStringLiteral("vorher"));
    aufgaben.ShowData();
    EXPECT_EQ(table()->StatusText(), QStringLiteral("vorher"));
    EXPECT_EQ(table()->AttributeList().Count(), 0);
    EXPECT_EQ(m_control.Tag(), QString());
    EXPECT_FALSE(aufgaben.DateOfData().isValid());
}

TEST_F(AufgabenRead, AMissingGroupFileIsReportedAndTheTransferGoesOn)
{
    ASSERT_TRUE(QFile::remove(m_db.file(actserver::ActTableKind::Group)));
    m_ui.expectMsgBox(MsgIcon::Exclamation, QStringLiteral("Fehler in Klasse ACTFinder"));
    m_ui.expectMsgBox(MsgIcon::Information,
                      QStringLiteral("Es können keine verknüpfte Gruppennamen angezeigt werden."));
    read();
    ASSERT_EQ(rows(), 5);
    EXPECT_EQ(cell(0, 39).toString(), QStringLiteral("Unbekannt"));
    EXPECT_EQ(cell(4, 39).toString(), QString()); // a blank group ID asks nothing
    EXPECT_EQ(table()->StatusText(), QStringLiteral("Fertig."));
}

TEST_F(AufgabenRead, TheStoredTableLoadsBackWithTagAndFertigButNoDate)
{
    read();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Projekt_Aufgaben.fox"));
    table()->SaveFile(file);
    table()->NewTable();
    m_control.setTag(QString());

    records::clAufgaben &loaded = fresh();
    m_statusTexts.clear();
    loaded.LoadData(file);
    EXPECT_EQ(rows(), 5);
    EXPECT_EQ(cell(0, 45).toString(), QStringLiteral("Erste Zeile"));
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Aufgaben"));
    EXPECT_EQ(m_statusTexts.first(), QStringLiteral("Aufgabentabelle wird geladen..."));
    EXPECT_EQ(table()->StatusText(), QStringLiteral("Fertig."));
    EXPECT_FALSE(loaded.DateOfData().isValid());
    EXPECT_EQ(loaded.UniqueIDFieldName(), QString());
    loaded.setUniqueIDFieldName(QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(loaded.UniqueIDAttribute(), attribute(1));
}

} // namespace
