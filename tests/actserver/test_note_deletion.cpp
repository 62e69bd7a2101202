// Deleting a note: it is gone from the notes file for every reader, and the file's time moves on.
#include "DemoDatabaseFixture.h"

#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActError.h"
#include "dbf/DbfTable.h"

#include <QFile>
#include <QFileInfo>

using namespace actserver;

class NoteDeletion : public DemoDatabaseFixture
{
};

TEST_F(NoteDeletion, DeletedNoteIsGoneForASecondReader)
{
    const QString path = freshCopy();
    const QString notesFile = ActDatabaseFiles(path).tableFile(ActTableKind::Notes);
    ACTDatabaseObject writer;
    ACTDatabaseObject reader;
    openAsFirstUser(writer, path);
    openAsFirstUser(reader, path);

    std::shared_ptr<ACTTable> readerNotes = reader.NoteHistory();
    const QList<QStringList> before = readAll(*readerNotes, {1, 26});
    ASSERT_GT(before.size(), 10);
    const QString victim = before.at(7).at(0);

    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    {
        QFile f(notesFile);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }

    std::shared_ptr<ACTTable> notes = writer.NoteHistory();
    notes->GoTo(victim);
    ASSERT_FALSE(notes->Error());
    EXPECT_EQ(notes->Data(1), victim);
    notes->Delete();
    ASSERT_FALSE(notes->Error());
    EXPECT_GT(QFileInfo(notesFile).lastModified(), old.addSecs(60));

    // The reader was open before the deletion and reads the file afresh.
    const QList<QStringList> after = readAll(*readerNotes, {1, 26});
    EXPECT_EQ(after.size(), before.size() - 1);
    for (const QStringList &row : after)
        EXPECT_NE(row.at(0), victim);
    readerNotes->GoTo(victim);
    EXPECT_TRUE(readerNotes->Error());

    // The dBase layer itself sees the record as deleted.
    dbf::DbfTable table(notesFile);
    qint64 live = 0;
    for (qint64 i = 0; i < table.recordCount(); ++i)
        live += table.record(i).isDeleted() ? 0 : 1;
    EXPECT_EQ(live, before.size() - 1);
}

TEST_F(NoteDeletion, GoToOfAnUnknownOrDeletedNoteFailsAndDeleteDoesNothing)
{
    const QString path = freshCopy();
    ACTDatabaseObject db;
    openAsFirstUser(db, path);
    std::shared_ptr<ACTTable> notes = db.NoteHistory();
    const long count = notes->RecordCount();
    notes->GoTo(QStringLiteral("gibt es nicht"));
    EXPECT_TRUE(notes->Error());
    notes->GoTo(QStringLiteral("kurz"));
    EXPECT_TRUE(notes->Error());

    notes->MoveFirst();
    const QString id = notes->Data(1);
    notes->Delete();
    ASSERT_FALSE(notes->Error());
    notes->Delete();
    EXPECT_TRUE(notes->Error());
    EXPECT_EQ(notes->LastError(), ActError::DataDeleted);
    notes->GoTo(id);
    EXPECT_TRUE(notes->Error());
    EXPECT_EQ(notes->RecordCount(), count - 1);
}

TEST_F(NoteDeletion, GoToFindsIdsGivenWithoutTheirTrailingBlanks)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    std::shared_ptr<ACTTable> notes = db.NoteHistory();
    for (const QStringList &row : readAll(*notes, {1})) {
        notes->GoTo(row.at(0));
        ASSERT_FALSE(notes->Error()) << row.at(0).toStdString();
        EXPECT_EQ(notes->Data(1), row.at(0));
    }
}

TEST_F(NoteDeletion, ManyDeletionsInARowEachFindTheirNote)
{
    const QString path = freshCopy();
    ACTDatabaseObject db;
    openAsFirstUser(db, path);
    std::shared_ptr<ACTTable> notes = db.NoteHistory();
    const QList<QStringList> rows = readAll(*notes, {1});
    for (int i = 0; i < rows.size(); i += 3) {
        notes->GoTo(rows.at(i).at(0));
        ASSERT_FALSE(notes->Error());
        notes->Delete();
        ASSERT_FALSE(notes->Error());
    }
    EXPECT_EQ(notes->RecordCount(), rows.size() - (rows.size() + 2) / 3);
}
