// Fixed-width keys of the rows of a table (IDs as their Windows-1252 bytes) with a hash of them, so
// that the rows of one key are found at once: a few bytes per row where decoded texts in a QHash
// would take ten times as many, and built in one pass without sorting.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace actserver {

class ActKeyIndex
{
public:
    // An empty index of keys width bytes wide.
    explicit ActKeyIndex(int width = 0);

    int width() const { return m_width; }
    qsizetype size() const { return m_width > 0 ? qsizetype(m_keys.size()) / m_width : 0; }
    void reserve(qsizetype rows);
    // Appends the key of the next row: text bytes, blank-filled (or cut) to the width; trailing
    // zero bytes count as blanks.
    void append(QByteArrayView key);

    QByteArrayView key(qsizetype row) const { return QByteArrayView(m_keys.data() + row * m_width, m_width); }
    // Hashes the keys, which the first search does where this was not called before.
    void build() const;
    // The rows whose key equals key, in row order.
    std::vector<quint32> rowsOf(QByteArrayView key) const;
    // The key a text has in this index: its Windows-1252 bytes with blanks appended to the width.
    // Empty for a text that cannot be a key (longer than the width, or a character outside
    // Windows-1252), which therefore matches no row.
    QByteArray keyOf(QStringView text) const;

private:
    size_t bucketOf(const char *key) const;

    int m_width;
    std::string m_keys;
    // Chains of the rows of each bucket, latest row first; entries hold row + 1, 0 ends a chain.
    mutable std::vector<quint32> m_heads;
    mutable std::unique_ptr<quint32[]> m_next;
    mutable bool m_built = false;
};

} // namespace actserver
