// The demo database: the same content on every run, never written over an existing database, and
// data with the variety the program's tables are meant to show.
#include "DemoDatabaseFixture.h"

#include <QDir>
#include <QSet>

using namespace actserver;

class DemoDatabase : public DemoDatabaseFixture
{
};

TEST_F(DemoDatabase, TheSameOptionsGiveTheSameRecords)
{
    QTemporaryDir dir;
    ActDemoOptions options;
    options.contacts = 300;
    QString error;
    ASSERT_TRUE(ActDemoDatabase::create(dir.path(), QStringLiteral("zweite"), options, &error));
    ACTDatabaseObject a;
    ACTDatabaseObject b;
    openAsFirstUser(a, sharedPath());
    openAsFirstUser(b, dir.filePath(QStringLiteral("zweite.dbf")));
    const QVector<qint16> contactIds = {1, 2, 3, 12, 14, 15, 26, 29, 32};
    EXPECT_EQ(readAll(*a.Contact(), contactIds), readAll(*b.Contact(), contactIds));
    EXPECT_EQ(readAll(*a.NoteHistory(), {1, 25, 26, 27, 29}), readAll(*b.NoteHistory(), {1, 25, 26, 27, 29}));
    EXPECT_EQ(readAll(*a.Activity(), {1, 28, 40, 100}), readAll(*b.Activity(), {1, 28, 40, 100}));
    EXPECT_EQ(readAll(*a.Group(), {1, 25, 55}), readAll(*b.Group(), {1, 25, 55}));
    EXPECT_EQ(a.Users().UniqueID(2), b.Users().UniqueID(2));
}

TEST_F(DemoDatabase, AnExistingDatabaseIsNotReplaced)
{
    const QString path = freshCopy();
    const QFileInfo info(path);
    QString error;
    ActDemoOptions options;
    options.contacts = 3;
    EXPECT_FALSE(ActDemoDatabase::create(info.path(), QStringLiteral("kontakte"), options, &error));
    EXPECT_TRUE(error.contains(QLatin1String("kontakte")));
    ACTDatabaseObject db;
    openAsFirstUser(db, path);
    EXPECT_EQ(db.Contact()->RecordCount(), 300);
}

TEST_F(DemoDatabase, NotesCoverManyTypesGroupNotesAndSeveralLines)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    QSet<QString> types;
    int groupNotes = 0;
    int multiLine = 0;
    for (const QStringList &row : readAll(*db.NoteHistory(), {25, 29, 26})) {
        types << row.at(0);
        groupNotes += row.at(1).trimmed().isEmpty() ? 1 : 0;
        multiLine += row.at(2).contains(QLatin1String("\r\n")) ? 1 : 0;
    }
    EXPECT_GE(types.size(), 20);
    EXPECT_GT(groupNotes, 5);
    EXPECT_GT(multiLine, 5);
}

TEST_F(DemoDatabase, SalesHaveAmountsDatesAndSomeGroupSales)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    const QList<QStringList> rows = readAll(*db.Sales(), {34, 31, 25, 39});
    EXPECT_EQ(rows.size(), 150);
    QSet<QString> states;
    for (const QStringList &row : rows) {
        EXPECT_GT(row.at(0).toDouble(), 0.0);
        EXPECT_FALSE(row.at(1).isEmpty());
        states << row.at(3);
    }
    EXPECT_EQ(states, (QSet<QString>{QStringLiteral("Offen"), QStringLiteral("Gewonnen"), QStringLiteral("Verloren")}));
}

TEST_F(DemoDatabase, BadNamesAndSizesAreRefused)
{
    QTemporaryDir dir;
    QString error;
    ActDemoOptions options;
    options.contacts = 0;
    EXPECT_FALSE(ActDemoDatabase::create(dir.path(), QStringLiteral("x"), options, &error));
    options.contacts = 2;
    EXPECT_FALSE(ActDemoDatabase::create(dir.path(), QString(), options, &error));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}
