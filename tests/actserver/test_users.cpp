// Users of an ACT! database: multi-user login with right and wrong passwords, single-user opening,
// and a users file that never holds a password.
#include "DemoDatabaseFixture.h"
#include "FileSizeLimit.h"

#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActError.h"
#include "actserver/ActUserFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace actserver;

class Users : public DemoDatabaseFixture
{
};

TEST_F(Users, MultiUserDatabaseWaitsForAValidLogin)
{
    ACTDatabaseObject db;
    db.Open(sharedPath());
    EXPECT_FALSE(db.Error());
    EXPECT_TRUE(db.IsMultiUser());
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(db.Contact(), nullptr);
    EXPECT_EQ(db.LastError(), ActError::DBNotOpen);

    db.ValidateUser(QStringLiteral("Jörg Müller"), QStringLiteral("Kontakt#1")); // another user's password
    EXPECT_TRUE(db.Error());
    EXPECT_EQ(db.LastError(), ActError::DBAccessDenied);
    EXPECT_FALSE(db.IsOpen());
    db.ValidateUser(QStringLiteral("Niemand"), QStringLiteral("Vertrieb#2"));
    EXPECT_TRUE(db.Error());
    db.ValidateUser(QString(), QString());
    EXPECT_TRUE(db.Error());
    db.ValidateUser(QStringLiteral("Jörg Müller"), QStringLiteral("vertrieb#2")); // passwords are case-sensitive
    EXPECT_TRUE(db.Error());
    EXPECT_FALSE(db.IsOpen());

    db.ValidateUser(QStringLiteral("JÖRG MÜLLER"), QStringLiteral("Vertrieb#2"));
    EXPECT_FALSE(db.Error());
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.CurrentUser(), QStringLiteral("Jörg Müller"));
    EXPECT_NE(db.Contact(), nullptr);
    EXPECT_FALSE(db.LastErrorText().contains(QLatin1String("Vertrieb#2")));
}

TEST_F(Users, EveryDemoUserLogsInWithTheDocumentedPassword)
{
    for (const ActDemoUser &u : ActDemoDatabase::users(false)) {
        ACTDatabaseObject db;
        db.Open(sharedPath());
        db.ValidateUser(u.name, u.password);
        EXPECT_TRUE(db.IsOpen()) << u.name.toStdString();
    }
}

TEST_F(Users, UsersListNamesAndIdsFromOne)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    const ACTUsers users = db.Users();
    ASSERT_EQ(users.Count(), 3);
    QStringList names;
    for (int i = 1; i <= users.Count(); ++i) {
        names << users.Name(i);
        EXPECT_EQ(users.UniqueID(i).size(), 12);
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("Anna Schäfer"), QStringLiteral("Jörg Müller"),
                                  QStringLiteral("Petra Weiß")}));
    EXPECT_EQ(users.Name(0), QString());
    EXPECT_EQ(users.Name(4), QString());
}

TEST_F(Users, TheUsersFileHoldsNoPassword)
{
    QFile file(ActDatabaseFiles(sharedPath()).usersFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("Petra Wei"));
    for (const ActDemoUser &u : ActDemoDatabase::users(false)) {
        EXPECT_FALSE(bytes.contains(u.password.toUtf8()));
        EXPECT_FALSE(bytes.contains(u.password.toLatin1().toHex()));
    }
}

TEST_F(Users, SameMaterialHashesDifferentlyForEachUser)
{
    const ActUser a = ActUser::withPassword(QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("gleich"));
    const ActUser b = ActUser::withPassword(QStringLiteral("B"), QStringLiteral("b"), QStringLiteral("gleich"));
    EXPECT_NE(a.salt, b.salt);
    EXPECT_NE(a.hash, b.hash);
    EXPECT_TRUE(a.checkPassword(QStringLiteral("gleich")));
    EXPECT_FALSE(a.checkPassword(QStringLiteral("gleich ")));
    ActUser noHash = a;
    noHash.hash.clear();
    EXPECT_FALSE(noHash.checkPassword(QString()));
}

TEST_F(Users, SingleUserDatabaseOpensWithoutLogin)
{
    QTemporaryDir dir;
    ActDemoOptions options;
    options.contacts = 5;
    options.singleUser = true;
    QString error;
    ASSERT_TRUE(ActDemoDatabase::create(dir.path(), QStringLiteral("einzel"), options, &error));
    ACTDatabaseObject db;
    db.Open(dir.filePath(QStringLiteral("einzel.dbf")));
    EXPECT_FALSE(db.IsMultiUser());
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.CurrentUser(), QStringLiteral("Anna Schäfer"));
    EXPECT_EQ(db.Users().Count(), 1);
}

TEST_F(Users, DamagedUsersFileRefusesToOpen)
{
    const QString path = freshCopy();
    QFile file(ActDatabaseFiles(path).usersFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"format\": \"datolux-act-users\", \"version\": 1, \"users\": [{\"name\": \"x\"}]}");
    file.close();
    ACTDatabaseObject db;
    db.Open(path);
    EXPECT_TRUE(db.Error());
    EXPECT_EQ(db.LastError(), ActError::DBSchemaCorrupt);
    EXPECT_FALSE(db.IsOpen());
    EXPECT_TRUE(db.LastErrorText().contains(QLatin1String(".usr")));
}

TEST_F(Users, ARoundCountBeyondTheBoundIsADamagedUsersFile)
{
    const struct
    {
        int rounds;
        bool opens;
    } cases[] = {{ActUser::kMaxIterations, true}, {ActUser::kMaxIterations + 1, false}, {2000000000, false}};
    for (const auto &c : cases) {
        const QString path = freshCopy();
        QFile file(ActDatabaseFiles(path).usersFile());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        QJsonArray users = root.value(QLatin1String("users")).toArray();
        QJsonObject first = users.at(0).toObject();
        first.insert(QLatin1String("iterations"), c.rounds);
        users.replace(0, first);
        root.insert(QLatin1String("users"), users);
        file.resize(0);
        file.write(QJsonDocument(root).toJson());
        file.close();
        ACTDatabaseObject db;
        db.Open(path);
        EXPECT_EQ(db.Error(), !c.opens) << c.rounds;
        if (!c.opens) {
            EXPECT_EQ(db.LastError(), ActError::DBSchemaCorrupt);
            EXPECT_TRUE(db.LastErrorText().contains(QStringLiteral("ist beschädigt")))
                << db.LastErrorText().toStdString();
        }
    }
}

TEST_F(Users, WritingTheUsersFileReplacesItWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.usr"));
    QString error;
    const QList<ActUser> users = {
        ActUser::withPassword(QStringLiteral("ID1"), QStringLiteral("Eins"), QStringLiteral("p"))};
    ASSERT_TRUE(ActUserFile::write(path, users, &error));
    QList<ActUser> read;
    ASSERT_TRUE(ActUserFile::read(path, &read, &error));
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read.first().name, QStringLiteral("Eins"));
    EXPECT_TRUE(read.first().checkPassword(QStringLiteral("p")));
    EXPECT_FALSE(ActUserFile::write(dir.filePath(QStringLiteral("fehlt/x.usr")), users, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(Users, AUsersFileThatMeetsAFullDiskIsReportedAndTheOldOneKeptByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.usr"));
    QString error;
    ASSERT_TRUE(ActUserFile::write(path, {ActUser::withPassword(QStringLiteral("ID1"), QStringLiteral("Eins"),
                                                                  QStringLiteral("p"))},
                                   &error));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray before = old.readAll();
    old.close();
    const QList<ActUser> more = {
        ActUser::withPassword(QStringLiteral("ID1"), QStringLiteral("Eins"), QStringLiteral("p")),
        ActUser::withPassword(QStringLiteral("ID2"), QStringLiteral("Zwei"), QStringLiteral("q"))};
    bool written = true;
    {
        FileSizeLimit limit(before.size());
        ASSERT_TRUE(limit.active());
        written = ActUserFile::write(path, more, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(QStringLiteral("x.usr"))) << error.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("x.usr")});
}
