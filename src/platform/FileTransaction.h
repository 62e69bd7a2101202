// Replacing files so that a failure never destroys an old one: every new content is written beside
// its target first, each write checked and flushed to the disk, and the targets are replaced only
// when every new file is complete; a replacement that fails half way puts back every old file.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

class FileTransaction final
{
public:
    FileTransaction() = default;
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

    // Replaces every target by its new file, in the order staged. On a failure every target
    // already replaced gets its old file back (or disappears again when it had none), and false.
    // Afterwards the transaction is empty.
    bool commit();

    // The last failure as a German sentence naming the file (and, after a failed commit, whether
    // every old file is back), and the system's reason alone.
    QString errorString() const { return m_error; }
    QString reason() const { return m_reason; }

    // One file replaced the same way. False with the system's reason in *reason.
    static bool writeFile(const QString &path, const QByteArray &bytes, QString *reason);

private:
    struct Entry
    {
        QString target;
        QString temp;
        QString backup;
        bool replaced = false;
    };

    Entry *entryFor(const QString &target);
    void drop(const QString &target);
    bool fail(const QString &path, const char *what, const QString &reason);
    bool replace(Entry &entry);
    void rollBack();
    void discard();

    QList<Entry> m_entries;
    QString m_error;
    QString m_reason;
};

} // namespace platform
