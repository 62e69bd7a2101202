// Opening and closing the ACT! database object, the database open in the running ACT!, and the
// fields each table offers to the record classes.
#include "DemoDatabaseFixture.h"

#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActError.h"
#include "actserver/ActRunningApplication.h"
#include "dbf/DbfWriter.h"
#include "platform/VbError.h"

#include <QFile>
#include <QFileInfo>

using namespace actserver;

class DatabaseObject : public DemoDatabaseFixture
{
};

namespace {

class FakeRunningApplication final : public ActRunningApplication
{
public:
    FakeRunningApplication(QString path, QString user) : m_path(std::move(path)), m_user(std::move(user)) {}
    bool openDatabase(QString *path, QString *user) override
    {
        *path = m_path;
        *user = m_user;
        return true;
    }

private:
    QString m_path;
    QString m_user;
};

// Removes the installed running application again when a test ends.
struct InstalledApplication
{
    explicit InstalledApplication(std::shared_ptr<ActRunningApplication> app)
    {
        ActRunningApplication::install(std::move(app));
    }
    ~InstalledApplication() { ActRunningApplication::install(nullptr); }
};

} // namespace

TEST_F(DatabaseObject, NamesAndPathOfTheOpenDatabase)
{
    ACTDatabaseObject db;
    EXPECT_EQ(db.Name(), QString());
    openAsFirstUser(db, sharedPath());
    EXPECT_EQ(db.Name(), QStringLiteral("kontakte.dbf"));
    EXPECT_EQ(db.GetDatabasePath(), sharedPath());
    db.Close();
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(db.Name(), QString());
    EXPECT_EQ(db.CurrentUser(), QString());
}

TEST_F(DatabaseObject, MissingOrForeignFilesAreRefused)
{
    ACTDatabaseObject db;
    db.Open(s_dir->filePath(QStringLiteral("multi/fehlt.dbf")));
    EXPECT_TRUE(db.Error());
    EXPECT_EQ(db.LastError(), ActError::OpenFailed);
    EXPECT_FALSE(db.IsOpen());

    db.Open(QString());
    EXPECT_EQ(db.LastError(), ActError::InvalidFilename);

    // A file that is no dBase table at all.
    const QString users = ActDatabaseFiles(sharedPath()).usersFile();
    db.Open(users);
    EXPECT_TRUE(db.Error());
    EXPECT_EQ(db.LastError(), ActError::DBOpenFailed);
    EXPECT_TRUE(db.LastErrorText().contains(users));
}

TEST_F(DatabaseObject, SecondOpenOnAnOpenObjectIsRefused)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    db.Open(sharedPath());
    EXPECT_TRUE(db.Error());
    EXPECT_EQ(db.LastError(), ActError::DBAlreadyOpen);
    EXPECT_TRUE(db.IsOpen());
}

TEST_F(DatabaseObject, OpenExWithoutRunningActReportsNoOpenDatabase)
{
    ACTDatabaseObject db;
    db.OpenEx(QString());
    EXPECT_TRUE(db.Error());
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(DatabaseObject, OpenExTakesDatabaseAndUserOfTheRunningAct)
{
    InstalledApplication app(std::make_shared<FakeRunningApplication>(sharedPath(), QStringLiteral("Petra Weiß")));
    ACTDatabaseObject db;
    db.OpenEx(QString());
    EXPECT_FALSE(db.Error());
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.CurrentUser(), QStringLiteral("Petra Weiß"));
    EXPECT_EQ(db.GetDatabasePath(), sharedPath());
}

TEST_F(DatabaseObject, OpenExRefusesAUserTheDatabaseDoesNotKnow)
{
    InstalledApplication app(std::make_shared<FakeRunningApplication>(sharedPath(), QStringLiteral("Fremder")));
    ACTDatabaseObject db;
    db.OpenEx(QString());
    EXPECT_TRUE(db.Error());
    EXPECT_EQ(db.LastError(), ActError::DBAccessDenied);
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(DatabaseObject, TablesOfAClosedSessionReadNothingMore)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    std::shared_ptr<ACTTable> contacts = db.Contact();
    ASSERT_GT(contacts->RecordCount(), 0);
    contacts->MoveFirst();
    db.Close();
    QStringList values;
    contacts->GetDataEx({1, 2}, values);
    EXPECT_EQ(contacts->LastError(), ActError::DBNotOpen);
    EXPECT_EQ(values, (QStringList{QString(), QString()}));
    EXPECT_THROW(contacts->RecordCount(), platform::VbError);
    // Opening again on the same object gives a new session; the old table stays closed.
    openAsFirstUser(db, sharedPath());
    contacts->GetDataEx({1}, values);
    EXPECT_EQ(contacts->LastError(), ActError::DBNotOpen);
}

TEST_F(DatabaseObject, MissingTableFileIsAnErrorNamingTheFile)
{
    const QString path = freshCopy();
    const QString sales = ActDatabaseFiles(path).tableFile(ActTableKind::Sales);
    ASSERT_TRUE(QFile::remove(sales));
    ACTDatabaseObject db;
    openAsFirstUser(db, path);
    std::shared_ptr<ACTTable> table = db.Sales();
    try {
        table->RecordCount();
        FAIL() << "no error";
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number(), ActError::DBOpenFailed);
        EXPECT_TRUE(e.description().contains(sales)) << e.description().toStdString();
    }
    EXPECT_TRUE(table->Error());
}

// The ids the record classes ask for, table by table: every one must be a field of its table.
TEST_F(DatabaseObject, EveryTableOffersTheFieldsItsReadersAskFor)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    const QList<std::pair<std::shared_ptr<ACTTable>, QVector<qint16>>> wanted = {
        {db.Contact(), {1, 6, 200, 201, 202, 203, 500, 501, 502, 503, 504}},
        {db.NoteHistory(), {1, 27, 25, 26, 6, 28, 29}},
        {db.Sales(), {1, 35, 31, 27, 201, 200, 32, 33, 34, 30, 39, 38, 36, 202, 6, 25}},
        {db.Activity(),
         {1, 28, 29, 30, 101, 31, 25, 41, 26, 27, 100, 40, 37, 38, 5, 33, 32, 45, 35, 36, 44, 43, 42, 47, 46, 39}},
        {db.Group(), {1, 100, 56, 55, 25, 6, 200, 201}},
    };
    const QSet<int> supportedTypes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15};
    for (const auto &[table, ids] : wanted) {
        const ACTFields fields = table->Fields();
        for (qint16 id : ids) {
            EXPECT_TRUE(fields.Contains(id)) << "table " << int(table->kind()) << " field " << id;
            EXPECT_FALSE(fields.Label(id).isEmpty());
        }
        for (int i = 0; i < fields.Count(); ++i)
            EXPECT_TRUE(supportedTypes.contains(fields.Type(fields.FieldIdAt(i))))
                << "table " << int(table->kind()) << " field " << fields.FieldIdAt(i);
        EXPECT_EQ(fields.FieldIdAt(fields.Count()), 0);
        EXPECT_EQ(fields.Label(9999), QString());
    }
    EXPECT_EQ(db.Group()->Fields().Label(56), QStringLiteral("Kontakt ID"));
    EXPECT_EQ(db.Group()->Fields().Type(55), 13);
    EXPECT_GE(db.Contact()->Fields().Count(), 30);
}

TEST_F(DatabaseObject, FieldWhoseColumnIsMissingIsNotOffered)
{
    // A contact file of an older layout without the web-site column still opens.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alt.dbf"));
    dbf::DbfWriter::create(path, {dbf::DbfField::character(QStringLiteral("UNIQUE_ID"), 12),
                                  dbf::DbfField::character(QStringLiteral("COMPANY"), 40)});
    {
        dbf::DbfWriter w(path);
        w.append({QStringLiteral("ABCDEFGHIJKL"), QStringLiteral("Gärtnerei Möhre")});
    }
    ACTDatabaseObject db;
    db.Open(path);
    ASSERT_TRUE(db.IsOpen());
    std::shared_ptr<ACTTable> contacts = db.Contact();
    EXPECT_EQ(contacts->Fields().Count(), 2);
    EXPECT_FALSE(contacts->Fields().Contains(33));
    ASSERT_EQ(contacts->RecordCount(), 1);
    contacts->MoveFirst();
    QStringList values;
    contacts->GetDataEx({1, 2, 33}, values);
    EXPECT_EQ(values.at(0), QStringLiteral("ABCDEFGHIJKL"));
    EXPECT_EQ(values.at(1), QStringLiteral("Gärtnerei Möhre"));
    EXPECT_EQ(values.at(2), QString());
    EXPECT_EQ(contacts->LastError(), ActError::InvalidField);
}

TEST_F(DatabaseObject, TableFilesAreFoundWhateverTheCaseOfTheirNames)
{
    const QString path = freshCopy();
    const QFileInfo info(path);
    const QString lower = ActDatabaseFiles(path).tableFile(ActTableKind::Notes);
    const QString upper = info.path() + QStringLiteral("/kontakte.HDB");
    ASSERT_TRUE(QFile::rename(lower, upper));
    EXPECT_EQ(ActDatabaseFiles(path).tableFile(ActTableKind::Notes), upper);
    ACTDatabaseObject db;
    openAsFirstUser(db, path);
    EXPECT_GT(readAll(*db.NoteHistory(), {1, 26}).size(), 0); // memos included
}
