// Activities scheduled with several contacts, and groups with their parents and members.
#include "DemoDatabaseFixture.h"

#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActError.h"
#include "dbf/DbfTable.h"

#include <QHash>

using namespace actserver;

class ActivitiesAndGroups : public DemoDatabaseFixture
{
};

TEST_F(ActivitiesAndGroups, ScheduledContactsMatchTheContactCount)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    std::shared_ptr<ACTTable> activities = db.Activity();
    const long n = activities->RecordCount();
    activities->MoveFirst();
    QStringList values;
    int several = 0;
    int withGroup = 0;
    for (long r = 0; r < n; ++r) {
        activities->GetDataEx({100, 40, 39}, values);
        ASSERT_EQ(activities->LastError(), 0);
        const int k = values.at(0).toInt();
        QStringList contacts;
        for (QString c = activities->FirstScheduledWith(); !c.isEmpty(); c = activities->NextScheduledWith())
            contacts << c;
        EXPECT_EQ(contacts.size(), k);
        EXPECT_EQ(contacts.value(0), values.at(1));
        EXPECT_TRUE(activities->Error()); // past the last contact
        several += k >= 2 ? 1 : 0;
        withGroup += values.at(2).trimmed().isEmpty() ? 0 : 1;
        activities->MoveNext();
    }
    EXPECT_GT(several, 10);
    EXPECT_GT(withGroup, 10);
}

TEST_F(ActivitiesAndGroups, ScheduleCallsOnOtherTablesAreRefused)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    std::shared_ptr<ACTTable> notes = db.NoteHistory();
    notes->MoveFirst();
    EXPECT_EQ(notes->FirstScheduledWith(), QString());
    EXPECT_EQ(notes->LastError(), ActError::Unsupported);
    EXPECT_EQ(notes->GetParent(), QString());
    EXPECT_TRUE(notes->Error());
}

TEST_F(ActivitiesAndGroups, SubgroupsLeadToTheirMainGroupByParent)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    std::shared_ptr<ACTTable> groups = db.Group();
    const QList<QStringList> rows = readAll(*groups, {1, 25, 55});
    QHash<QString, QString> nameOf;
    for (const QStringList &row : rows)
        nameOf.insert(row.at(0), row.at(1));
    int subgroups = 0;
    for (const QStringList &row : rows) {
        groups->GoTo(row.at(0));
        ASSERT_FALSE(groups->Error()) << row.at(1).toStdString();
        EXPECT_EQ(groups->Data(25), row.at(1));
        const QString parent = groups->GetParent();
        EXPECT_EQ(parent, row.at(2));
        if (groups->GroupType() == 1) {
            ++subgroups;
            groups->GoTo(parent);
            ASSERT_FALSE(groups->Error());
            EXPECT_EQ(groups->GroupType(), 0);
            EXPECT_EQ(groups->Data(25), nameOf.value(parent));
        } else {
            EXPECT_EQ(parent, QString(12, QLatin1Char(' ')));
        }
    }
    EXPECT_GE(subgroups, 5);
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const QStringList &r) { return r.at(0).contains(u'\''); }));
}

TEST_F(ActivitiesAndGroups, MemberCountsAgreeWithTheRelationTableButForOneStaleGroup)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    QHash<QString, int> members;
    dbf::DbfTable relations(ActDatabaseFiles(sharedPath()).tableFile(ActTableKind::Relation));
    for (qint64 i = 0; i < relations.recordCount(); ++i) {
        const dbf::DbfRecord r = relations.record(i);
        if (r.text(relations.fieldIndex(u"TYPE")).trimmed() == QLatin1String("0"))
            ++members[r.text(relations.fieldIndex(u"FIELD2"))];
    }
    int empty = 0;
    QStringList stale;
    for (const QStringList &row : readAll(*db.Group(), {1, 100, 56, 25})) {
        EXPECT_EQ(row.at(2), QString()); // members come from the relation table, not the group record
        if (row.at(1).isEmpty()) {
            ++empty;
            EXPECT_EQ(members.value(row.at(0)), 0);
        } else if (row.at(1).toInt() != members.value(row.at(0))) {
            EXPECT_EQ(row.at(1).toInt(), members.value(row.at(0)) + 2);
            stale << row.at(3);
        }
    }
    EXPECT_EQ(empty, 1);
    // One group keeps a stale count on purpose, so readers can show that the memberships decide.
    EXPECT_EQ(stale, QStringList{QStringLiteral("Weihnachtskarten")});
}
