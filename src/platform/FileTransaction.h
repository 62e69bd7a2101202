// Replacing files so that a failure never destroys an old one: every new content is written beside
// its target first, each write checked and flushed to the disk, and the targets are replaced only
// when every new file is complete; a replacement that fails half way puts back every old file, and
// one that a crash cuts off is brought to its end or back to its start by recover().
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

class FileTransaction final
{
public:
    // With a journal (a file name beside the targets, chosen by the caller), commit records what it
    // replaces there until it is done, so that recover(journal) can finish it after a crash. Without
    // one, a single file is still replaced whole (its rename is), several files only across failures.
    explicit FileTransaction(const QString &journal = QString());
    // Removes every new file that was not committed; the targets stay as they were.
    ~FileTransaction();
    FileTransaction(const FileTransaction &) = delete;
    FileTransaction &operator=(const FileTransaction &) = delete;

    // Writes bytes into a new file beside target. False (see errorString) when a write or the flush
    // to the disk fails; nothing of target is touched.
    bool write(const QString &target, const QByteArray &bytes);
    // Copies source into a new file beside target, with the same checks.
    bool copy(const QString &source, const QString &target);
    // A new, empty file beside target for a writer of its own, which must replace it through
    // writeFile (or equally checked and flushed); "" on failure. Staging a target again drops the
    // file staged for it before.
    QString stage(const QString &target);
    // Removes target (when there is one) together with the replacements; a failed commit brings it back.
    void remove(const QString &target);

    // Replaces every target by its new file, in the order staged, and syncs their folders. On a
    // failure (a failed folder sync included) every target already replaced gets its old file back
    // (or disappears again when it had none), and false. True when the new files are in place; an
    // old file that could not be removed afterwards is then named in errorString. Afterwards the
    // transaction is empty.
    bool commit();

    // The last failure as a German sentence naming the file (and, after a failed commit, whether
    // every old file is back), and the system's reason alone.
    QString errorString() const { return m_error; }
    QString reason() const { return m_reason; }

    // One file replaced the same way; a file that a transaction staged is written in place. False
    // with the system's reason in *reason.
    static bool writeFile(const QString &path, const QByteArray &bytes, QString *reason);

    // Finishes the commit that journal records, when a crash cut it off: forward when every new file
    // is complete, else back to every old file; true at once without a journal. The caller must keep
    // other writers of the targets away, as it did for the commit. False with a German sentence in
    // *error; the journal then stays for another try.
    static bool recover(const QString &journal, QString *error);
    // Removes the new files that a crash left beside these targets before any commit took them.
    static void removeStaged(const QStringList &targets);

    // Tests only: called before each step of a commit or a rollback, with the entry's index (for
    // Sync: 0 after the journal, 1 after the renames, 2 and 3 around the journal's removal); false
    // makes the step fail as an I/O error would.
    enum class Step { Journal, Rename, Sync, RemoveBackup, Undo };
    static void setTestHook(std::function<bool(Step, int)> hook);

private:
    struct Entry
    {
        QString target;
        QString temp;   // the new file; "" when the target is removed
        QString backup; // the old file's second name while the commit runs; "" without one
        bool hadOld = false;
        // Tell the new file apart wherever it stands, beside or in place of its target.
        quint64 inode = 0;
        qint64 size = 0;
    };

    Entry *entryFor(const QString &target);
    void drop(const QString &target);
    bool fail(const QString &path, const char *what, const QString &reason);
    bool prepare();
    bool writeJournal();
    bool replace(Entry &entry, int index);
    bool syncFolders(int index);
    void removeBackups();
    bool markDone();
    bool undo(const Entry &entry, int index);
    void rollBack();
    bool rollForward(QStringList *problems);
    bool complete() const;
    bool parseJournal(const QByteArray &text);
    bool closeJournal();
    void discard();

    QString m_journal;
    bool m_journalWritten = false;
    bool m_done = false;
    QList<Entry> m_entries;
    QString m_error;
    QString m_reason;
};

} // namespace platform
