// The open database of the running application over real dBase files: reading as the database
// object reads, every change written to the file at once, and clear errors for what cannot be.
#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDemoDatabase.h"
#include "actserver/app/ActAppState.h"
#include "actserver/app/ActDatabaseStore.h"
#include "actserver/app/ActLocalAppObject.h"
#include "platform/VbError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace actserver;

namespace {

class DatabaseStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ActDemoOptions options;
        options.contacts = 40;
        QString error;
        ASSERT_TRUE(ActDemoDatabase::create(dir.path(), QStringLiteral("DEMO"), options, &error))
            << error.toStdString();
        path = dir.filePath(QStringLiteral("DEMO.dbf"));
    }

    long errorOf(const std::function<void()> &f)
    {
        try {
            f();
        } catch (const platform::VbError &e) {
            return e.number();
        }
        return 0;
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(DatabaseStore, ReadsTheRecordsAsTheDatabaseObjectDoes)
{
    ActDatabaseStore store(path);
    EXPECT_EQ(store.databaseName(), QStringLiteral("DEMO"));
    EXPECT_EQ(store.userName(), ActDemoDatabase::users(false).first().name);
    const QStringList ids = store.recordIds(ActRecordKind::Contact);
    ASSERT_EQ(ids.size(), 40);

    ACTDatabaseObject database;
    database.Open(path);
    const ActDemoUser user = ActDemoDatabase::users(false).first();
    database.ValidateUser(user.name, user.password);
    ASSERT_FALSE(database.Error());
    auto contacts = database.Contact();
    contacts->GoTo(ids.at(7));
    for (int field : {2, 3, 15, 22, 26})
        EXPECT_EQ(store.field(ActRecordKind::Contact, ids.at(7), field), contacts->Data(qint16(field))) << field;
    EXPECT_TRUE(store.hasField(ActRecordKind::Group, 25));
    EXPECT_FALSE(store.hasField(ActRecordKind::Contact, 4711));
    EXPECT_FALSE(store.relations(kRelationGroupMember).isEmpty());
}

TEST_F(DatabaseStore, WrittenFieldsAreInTheFileAtOnce)
{
    QString id;
    {
        ActDatabaseStore store(path);
        id = store.recordIds(ActRecordKind::Contact).at(3);
        store.setField(ActRecordKind::Contact, id, 2, QStringLiteral("Größenwahn & Söhne"));
        store.setField(ActRecordKind::Contact, id, 22, QStringLiteral("24.12.2026"));
        store.setField(ActRecordKind::Contact, id, 27, QStringLiteral("1250"));
        EXPECT_EQ(store.field(ActRecordKind::Contact, id, 2), QStringLiteral("Größenwahn & Söhne"));
    }
    ActDatabaseStore reopened(path);
    EXPECT_EQ(reopened.field(ActRecordKind::Contact, id, 2), QStringLiteral("Größenwahn & Söhne"));
    EXPECT_EQ(reopened.field(ActRecordKind::Contact, id, 22), QStringLiteral("24.12.2026"));
    EXPECT_EQ(reopened.field(ActRecordKind::Contact, id, 27), QStringLiteral("1250"));
}

TEST_F(DatabaseStore, ValueTheColumnCannotHoldIsRefusedAndNothingChanges)
{
    ActDatabaseStore store(path);
    const QString id = store.recordIds(ActRecordKind::Contact).first();
    const QString before = store.field(ActRecordKind::Contact, id, 27);
    EXPECT_NE(errorOf([&] { store.setField(ActRecordKind::Contact, id, 27, QStringLiteral("viele")); }), 0);
    EXPECT_NE(errorOf([&] { store.setField(ActRecordKind::Contact, id, 22, QStringLiteral("gestern")); }), 0);
    EXPECT_EQ(ActDatabaseStore(path).field(ActRecordKind::Contact, id, 27), before);
}

TEST_F(DatabaseStore, NewAndDeletedRecordsAndRelationsPersist)
{
    QString contact;
    QString group;
    {
        ActDatabaseStore store(path);
        contact = store.addRecord(ActRecordKind::Contact);
        EXPECT_EQ(contact.size(), 12);
        group = store.addRecord(ActRecordKind::Group);
        store.setField(ActRecordKind::Group, group, 25, QStringLiteral("Neue Gruppe"));
        store.addRelation(contact, group, kRelationGroupMember);
        EXPECT_TRUE(store.relations(kRelationGroupMember).contains({contact, group}));
    }
    {
        ActDatabaseStore store(path);
        EXPECT_TRUE(store.recordIds(ActRecordKind::Contact).contains(contact));
        EXPECT_EQ(store.field(ActRecordKind::Group, group, 25), QStringLiteral("Neue Gruppe"));
        EXPECT_TRUE(store.relations(kRelationGroupMember).contains({contact, group}));
        store.removeRelations(group, kRelationGroupMember);
        store.deleteRecord(ActRecordKind::Group, group);
    }
    ActDatabaseStore store(path);
    EXPECT_FALSE(store.recordIds(ActRecordKind::Group).contains(group));
    EXPECT_FALSE(store.relations(kRelationGroupMember).contains({contact, group}));
}

TEST_F(DatabaseStore, MissingDatabaseAndUnknownUserAreClearErrors)
{
    EXPECT_EQ(errorOf([&] { ActDatabaseStore(dir.filePath(QStringLiteral("FEHLT.dbf"))); }), -87);
    EXPECT_EQ(errorOf([&] { ActDatabaseStore(path, QStringLiteral("Niemand")); }), -108);
    const QString second = ActDemoDatabase::users(false).at(1).name;
    EXPECT_EQ(ActDatabaseStore(path, second.toUpper()).userName(), second);
}

TEST_F(DatabaseStore, DamagedContactFileIsAnErrorNotACrash)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("kein dBase");
    file.close();
    EXPECT_EQ(errorOf([&] { ActDatabaseStore store(path); }), -87);
}

TEST_F(DatabaseStore, ApplicationOverTheFilesWritesSetfieldToTheDatabase)
{
    ActAppState state([](const QString &file) { return std::make_unique<ActDatabaseStore>(file); });
    ActLocalAppObject app(state);
    ASSERT_EQ(app.OpenDB(path), 0);
    auto view = app.Views()->GetActive();
    const QString id = view->GetCurrentID();
    EXPECT_EQ(view->setfield(15, QStringLiteral("Bad Tölz")), 0);
    EXPECT_EQ(ActDatabaseStore(path).field(ActRecordKind::Contact, id, 15), QStringLiteral("Bad Tölz"));
    EXPECT_EQ(app.OpenDB(dir.filePath(QStringLiteral("FEHLT.dbf"))), -79);
    EXPECT_EQ(app.GetOpenDBName(), QString());
}

} // namespace
