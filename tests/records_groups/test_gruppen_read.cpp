// Reading the groups: one row per group and member, the member-count rules, the parent column, the
// quote in a group ID, cancel, a damaged group record, a failed membership query, and reloading.
#include "GroupsFixture.h"

#include "infozoom/InfoZoomAttributeList.h"

#include <QFileInfo>

using platform::MsgAnswer;
using platform::MsgIcon;
using records::clGruppen;

namespace {

const QString kAbortText = QStringLiteral("Aktion wurde abgebrochen! Es wurden nicht alle Daten eingelesen!");

class GruppenRead : public GroupsFixture
{
protected:
    // Patches bytes into one column of one record of a dBase file.
    static void patchField(const QString &file, qint64 index, const char *column, const QByteArray &bytes)
    {
        qint64 offset = 0;
        {
            dbf::DbfTable table(file);
            const int field = table.fieldIndex(QString::fromLatin1(column));
            ASSERT_GE(field, 0);
            offset = table.header().recordOffset(index) + table.fields().at(field).offset;
        }
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(offset));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    // Every status text the table shows from now on.
    QStringList &recordStatus()
    {
        QObject::connect(m_control.Table(), &InfoZoomTable::statusTextChanged, m_control.Table(),
                         [this](const QString &text) { m_statusTexts << text; });
        return m_statusTexts;
    }
    // Sets Cancel, as the main window's cancel click does, when the table shows this status text.
    void cancelAt(clGruppen &gruppen, const QString &status)
    {
        QObject::connect(m_control.Table(), &InfoZoomTable::statusTextChanged, m_control.Table(),
                         [&gruppen, status](const QString &text) {
                             if (text == status)
                                 gruppen.setCancel(true);
                         });
    }
    // The rows the groups give when nothing goes wrong, in group order.
    static QList<QStringList> expectedRows(const QList<StoredGroup> &groups)
    {
        QList<QStringList> out;
        for (const StoredGroup &g : groups) {
            const QString parent = g.parent == QString(12, u' ') ? QStringLiteral("Hauptgruppe") : hex(g.parent, "GR");
            if (g.members.isEmpty() && g.storedCount.isEmpty())
                out << QStringList{hex(g.id, "GR"), QStringLiteral("0"), QStringLiteral("Unbekannt"), parent};
            for (const QString &m : g.members)
                out << QStringList{hex(g.id, "GR"), QString::number(g.members.size()), hex(m, "CO"), parent};
        }
        return out;
    }
    static int rowCount(const QList<StoredGroup> &groups, int first, int last)
    {
        return int(expectedRows(groups.mid(first, last - first + 1)).size());
    }

    QStringList m_statusTexts;
};

TEST_F(GruppenRead, EveryMembershipGivesOneRowWithTheGroupItsCountAndItsParent)
{
    clGruppen gruppen;
    readGroups(gruppen);
    const QList<QStringList> all = fixedRows(gruppen);
    QList<QStringList> expected = expectedRows(storedGroups());
    QList<QStringList> actual = all;
    std::sort(expected.begin(), expected.end());
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, expected);
    EXPECT_GT(all.size(), 300);
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Gruppen"));
    EXPECT_EQ(m_control.Table()->StatusText(), QStringLiteral("Fertig."));
    EXPECT_EQ(gruppen.UniqueIDFieldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(gruppen.SyncFieldName(), QStringLiteral("ACTFieldID|56"));
    EXPECT_EQ(gruppen.ParentGroupImportName(), QStringLiteral("ACTFieldID|55"));
    EXPECT_EQ(gruppen.ParentGroupAttribute().Name(), QString::fromUtf8("Übergeordnete Gruppe"));
    EXPECT_EQ(gruppen.SyncFieldAttribute().Name(), QStringLiteral("Kontakt ID"));
    EXPECT_TRUE(gruppen.DateOfData().isValid());
}

TEST_F(GruppenRead, AnEmptyCountWithoutMembersGivesOneUnknownRowAndACountOfZeroNone)
{
    clGruppen gruppen;
    readGroups(gruppen);
    const QList<QStringList> all = fixedRows(gruppen);
    const StoredGroup archive = storedGroup(QStringLiteral("Archiv (leer)"));
    ASSERT_TRUE(archive.storedCount.isEmpty());
    ASSERT_TRUE(archive.members.isEmpty());
    EXPECT_EQ(rowsOf(all, archive), (QList<QStringList>{{hex(archive.id, "GR"), QStringLiteral("0"),
                                                         QStringLiteral("Unbekannt"), QStringLiteral("Hauptgruppe")}}));
    const StoredGroup memberless = storedGroup(QStringLiteral("Ehemalige Partner"));
    ASSERT_EQ(memberless.storedCount, QStringLiteral("0"));
    ASSERT_TRUE(memberless.members.isEmpty());
    EXPECT_TRUE(rowsOf(all, memberless).isEmpty());
}

TEST_F(GruppenRead, WhenTheStoredCountDisagreesTheMembershipsDecide)
{
    clGruppen gruppen;
    readGroups(gruppen);
    const StoredGroup stale = storedGroup(QStringLiteral("Weihnachtskarten"));
    ASSERT_FALSE(stale.members.isEmpty());
    ASSERT_EQ(stale.storedCount.toInt(), stale.members.size() + 2);
    const QList<QStringList> rows = rowsOf(fixedRows(gruppen), stale);
    ASSERT_EQ(rows.size(), stale.members.size());
    EXPECT_EQ(column(rows, 1), QStringList(rows.size(), QString::number(stale.members.size())));
    QStringList members = column(rows, 2), expected;
    for (const QString &m : stale.members)
        expected << hex(m, "CO");
    members.sort();
    expected.sort();
    EXPECT_EQ(members, expected);
}

TEST_F(GruppenRead, AGroupIdHoldingAQuoteStillFindsItsMembers)
{
    clGruppen gruppen;
    readGroups(gruppen);
    int quoted = 0;
    for (const StoredGroup &g : storedGroups()) {
        if (!g.id.contains(QLatin1Char('\'')))
            continue;
        ++quoted;
        EXPECT_EQ(rowsOf(fixedRows(gruppen), g).size(), qMax<qsizetype>(g.members.size(), 1)) << g.name.toStdString();
    }
    EXPECT_GE(quoted, 1);
}

TEST_F(GruppenRead, MainGroupsShowHauptgruppeAndSubgroupsTheirParentsId)
{
    clGruppen gruppen;
    readGroups(gruppen);
    const QList<QStringList> all = fixedRows(gruppen);
    const StoredGroup main = storedGroup(QStringLiteral("Kunden"));
    const StoredGroup sub = storedGroup(QStringLiteral("Kunden Nord"));
    EXPECT_EQ(column(rowsOf(all, main), 3), QStringList(rowsOf(all, main).size(), QStringLiteral("Hauptgruppe")));
    EXPECT_EQ(column(rowsOf(all, sub), 3), QStringList(rowsOf(all, sub).size(), hex(main.id, "GR")));
    EXPECT_FALSE(rowsOf(all, sub).isEmpty());
}

TEST_F(GruppenRead, ACancelAfterAGroupEndsTheReadAfterTheNextMemberRow)
{
    clGruppen gruppen;
    ASSERT_TRUE(init(gruppen));
    m_ui.expectModal(tick({QStringLiteral("Gruppenname")}));
    ASSERT_TRUE(gruppen.SelectFields(true));
    const QList<StoredGroup> groups = storedGroups();
    cancelAt(gruppen, QStringLiteral("Übertrage Gruppendaten... (1/%1) ").arg(groups.size()));
    gruppen.ShowData();
    ASSERT_GE(rowCount(groups, 1, 1), 1);
    EXPECT_EQ(m_control.Table()->Objects().Count(), rowCount(groups, 0, 0) + 1);
    EXPECT_EQ(m_control.Table()->StatusText(), kAbortText);
    EXPECT_EQ(m_control.Tag(), QStringLiteral("Gruppen"));
    EXPECT_TRUE(m_control.DisplayEnabled());
}

TEST_F(GruppenRead, ACancelAtAMemberProgressTextEndsTheReadAfterTheCurrentRow)
{
    clGruppen gruppen;
    ASSERT_TRUE(init(gruppen));
    m_ui.expectModal(tick({QStringLiteral("Gruppenname")}));
    ASSERT_TRUE(gruppen.SelectFields(true));
    const QList<StoredGroup> groups = storedGroups();
    int big = 0;
    while (big < groups.size() && groups.at(big).members.size() < 18)
        ++big;
    ASSERT_LT(big, groups.size());
    QStringList &texts = recordStatus();
    cancelAt(gruppen, QStringLiteral("Übertrage Gruppendaten... (%1/%2) Kontakte (17/%3)")
                          .arg(big + 1)
                          .arg(groups.size())
                          .arg(groups.at(big).members.size()));
    gruppen.ShowData();
    EXPECT_EQ(m_control.Table()->Objects().Count(), (big ? rowCount(groups, 0, big - 1) : 0) + 18);
    EXPECT_EQ(texts.last(), kAbortText);
}

TEST_F(GruppenRead, ADamagedGroupRecordIsSkippedOnYesAndEndsTheReadOnNo)
{
    const QString path = freshCopy();
    const QList<StoredGroup> groups = storedGroups(path);
    patchField(actserver::ActDatabaseFiles(path).tableFile(actserver::ActTableKind::Group), 1, "MEMBERS", "1x");
    {
        clGruppen gruppen;
        ASSERT_TRUE(gruppen.Init(&m_control, &m_status, openDatabase(path), path));
        ASSERT_TRUE(gruppen.SelectFields(false));
        m_ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Lfd. Datensatznummer: 2\r\nSoll weiterhin"),
                          MsgAnswer::Yes);
        gruppen.ShowData();
        EXPECT_TRUE(rowsOf(fixedRows(gruppen), groups.at(1)).isEmpty());
        EXPECT_EQ(m_control.Table()->Objects().Count(),
                  rowCount(groups, 0, groups.size() - 1) - rowCount(groups, 1, 1));
        EXPECT_EQ(m_control.Table()->StatusText(), QStringLiteral("Fertig."));
    }
    clGruppen gruppen;
    ASSERT_TRUE(gruppen.Init(&m_control, &m_status, openDatabase(path), path));
    ASSERT_TRUE(gruppen.SelectFields(false));
    m_ui.expectMsgBox(MsgIcon::Question, QStringLiteral("Es ist ein Fehler beim Einlesen eines ACT!-Datensatzes"),
                      MsgAnswer::No);
    gruppen.ShowData();
    EXPECT_EQ(m_control.Table()->Objects().Count(), rowCount(groups, 0, 0));
    EXPECT_EQ(m_control.Table()->StatusText(), kAbortText);
}

TEST_F(GruppenRead, AMissingRelationFileIsOneMessageBeforeTheTableIsTouched)
{
    const QString path = freshCopy();
    const QString relation = actserver::ActDatabaseFiles(path).tableFile(actserver::ActTableKind::Relation);
    ASSERT_TRUE(QFile::remove(relation));
    clGruppen gruppen;
    ASSERT_TRUE(gruppen.Init(&m_control, &m_status, openDatabase(path), path));
    ASSERT_TRUE(gruppen.SelectFields(false));
    QStringList &texts = recordStatus();
    m_ui.expectMsgBox(MsgIcon::Exclamation, QFileInfo(relation).fileName());
    gruppen.ShowData();
    EXPECT_TRUE(texts.isEmpty());
    EXPECT_EQ(gruppen.LastRead(), records::RecordClassBase::ReadEnd::SourceUnreadable);
    EXPECT_EQ(m_control.Table()->AttributeList().Count(), 0);
    EXPECT_EQ(m_control.Tag(), QString());
}

TEST_F(GruppenRead, AReaderThatCannotOpenTheProjectDatabaseEndsAsAborted)
{
    clGruppen gruppen;
    ASSERT_TRUE(gruppen.Init(&m_control, &m_status, openDatabase(demoPath()), QStringLiteral("/nirgends/Demo.dbf")));
    ASSERT_TRUE(gruppen.SelectFields(false));
    QStringList &texts = recordStatus();
    gruppen.ShowData();
    EXPECT_TRUE(texts.contains(QStringLiteral("Fehler beim Zugriff auf die ACT!-Datenbank (ACTFinder-init).")));
    EXPECT_EQ(texts.last(), kAbortText);
    EXPECT_EQ(m_control.Table()->Objects().Count(), 0);
}

TEST_F(GruppenRead, AReReadReusesRenamedAttributesAndDropsALeadingKennung)
{
    m_control.Table()->Attributes().Add(QStringLiteral("Kennung"));
    clGruppen first;
    readGroups(first, {QStringLiteral("Gruppenname")});
    EXPECT_EQ(m_control.Table()->AttributeItem(0).ImportName(), QStringLiteral("ACTFieldID|1"));
    m_control.Table()->AttributeItem(4).setName(QStringLiteral("Name der Gruppe"));
    const int rows = m_control.Table()->Objects().Count();

    clGruppen second;
    ASSERT_TRUE(init(second));
    ASSERT_TRUE(second.SelectFields(false));
    EXPECT_EQ(second.FieldCount(), 5);
    second.ShowData();
    EXPECT_EQ(m_control.Table()->AttributeList().Count(), 5);
    EXPECT_EQ(m_control.Table()->AttributeItem(4).Name(), QStringLiteral("Name der Gruppe"));
    EXPECT_EQ(m_control.Table()->Objects().Count(), rows);
}

TEST_F(GruppenRead, AColumnTheUserRenamedKennungKeepsItsPlaceThroughAReRead)
{
    clGruppen first;
    readGroups(first, {QStringLiteral("Gruppenname")});
    m_control.Table()->AttributeItem(0).setName(QStringLiteral("Kennung"));

    clGruppen second;
    ASSERT_TRUE(init(second));
    ASSERT_TRUE(second.SelectFields(false));
    second.ShowData();
    EXPECT_EQ(m_control.Table()->AttributeList().Count(), 5);
    EXPECT_EQ(m_control.Table()->AttributeItem(0).Name(), QStringLiteral("Kennung"));
    EXPECT_EQ(m_control.Table()->AttributeItem(0).ImportName(), QStringLiteral("ACTFieldID|1"));
}

TEST_F(GruppenRead, AStoredTableReloadsWithItsFieldsAndParentAttribute)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Projekt_Gruppen.fox"));
    int rows = 0;
    {
        clGruppen gruppen;
        readGroups(gruppen, {QStringLiteral("Gruppenname"), QStringLiteral("Beschreibung")});
        rows = m_control.Table()->Objects().Count();
        m_control.Table()->SaveFile(file);
    }
    InfoZoomControl other;
    clGruppen loaded;
    ASSERT_TRUE(loaded.Init(&other, &m_status, openDatabase(demoPath()), demoPath()));
    loaded.LoadData(file);
    EXPECT_EQ(other.Tag(), QStringLiteral("Gruppen"));
    EXPECT_EQ(other.Table()->StatusText(), QStringLiteral("Fertig."));
    EXPECT_EQ(other.Table()->Objects().Count(), rows);
    EXPECT_EQ(loaded.FieldCount(), 6);
    EXPECT_EQ(loaded.FieldIDs(), (QVector<qint16>{1, 100, 56, 55, 25, 26}));
    EXPECT_EQ(loaded.ParentGroupAttribute().Name(), QString::fromUtf8("Übergeordnete Gruppe"));
}

} // namespace
