// A demo database written once per test program, and helpers to read it.
#include "DemoDatabaseFixture.h"

#include <QDir>
#include <QFile>

std::unique_ptr<QTemporaryDir> DemoDatabaseFixture::s_dir;

void DemoDatabaseFixture::SetUpTestSuite()
{
    if (s_dir)
        return;
    s_dir = std::make_unique<QTemporaryDir>();
    QString error;
    actserver::ActDemoOptions options;
    options.contacts = 300;
    ASSERT_TRUE(actserver::ActDemoDatabase::create(s_dir->filePath(QStringLiteral("multi")), QStringLiteral("kontakte"),
                                                   options, &error))
        << error.toStdString();
}

void DemoDatabaseFixture::TearDownTestSuite() {}

QString DemoDatabaseFixture::sharedPath()
{
    return s_dir->filePath(QStringLiteral("multi/kontakte.dbf"));
}

QString DemoDatabaseFixture::freshCopy()
{
    m_copyDir = std::make_unique<QTemporaryDir>();
    const QDir source(s_dir->filePath(QStringLiteral("multi")));
    for (const QString &file : source.entryList(QDir::Files))
        EXPECT_TRUE(QFile::copy(source.filePath(file), m_copyDir->filePath(file)));
    return m_copyDir->filePath(QStringLiteral("kontakte.dbf"));
}

void DemoDatabaseFixture::openAsFirstUser(actserver::ACTDatabaseObject &db, const QString &path)
{
    db.Open(path);
    ASSERT_FALSE(db.Error()) << db.LastErrorText().toStdString();
    const actserver::ActDemoUser user = actserver::ActDemoDatabase::users(false).first();
    db.ValidateUser(user.name, user.password);
    ASSERT_TRUE(db.IsOpen());
}

QList<QStringList> DemoDatabaseFixture::readAll(actserver::ACTTable &table, const QVector<qint16> &ids)
{
    QList<QStringList> rows;
    const long n = table.RecordCount();
    table.MoveFirst();
    QStringList values;
    for (long r = 0; r < n; ++r) {
        table.GetDataEx(ids, values);
        EXPECT_EQ(table.LastError(), 0) << "record " << r + 1;
        rows << values;
        table.MoveNext();
    }
    EXPECT_TRUE(table.IsEOF());
    return rows;
}
