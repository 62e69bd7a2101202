// Hashed fixed-width keys of table rows.
#include "ActKeyIndex.h"

#include "dbf/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace actserver {

ActKeyIndex::ActKeyIndex(int width) : m_width(width) {}

void ActKeyIndex::reserve(qsizetype rows)
{
    m_keys.reserve(size_t(rows) * size_t(m_width));
}

void ActKeyIndex::append(QByteArrayView key)
{
    qsizetype length = qMin<qsizetype>(key.size(), m_width);
    // dBase writers pad a text with blanks or with zero bytes: both are the same padding here.
    while (length > 0 && key.at(length - 1) == '\0')
        --length;
    m_keys.append(key.data(), size_t(length));
    m_keys.append(size_t(m_width - length), ' ');
    m_built = false;
}

size_t ActKeyIndex::bucketOf(const char *key) const
{
    // FNV-1a: IDs differ in any of their bytes, and twelve bytes are quickly done.
    quint64 hash = 14695981039346656037ULL;
    for (int i = 0; i < m_width; ++i)
        hash = (hash ^ quint8(key[i])) * 1099511628211ULL;
    return size_t(hash ^ (hash >> 32)) & (m_heads.size() - 1);
}

void ActKeyIndex::build() const
{
    const size_t rows = size_t(size());
    size_t buckets = 16;
    while (buckets < rows)
        buckets *= 2;
    m_heads.assign(buckets, 0);
    m_next.reset(new quint32[rows]); // each entry is written below
    for (size_t row = 0; row < rows; ++row) {
        quint32 &head = m_heads[bucketOf(m_keys.data() + row * size_t(m_width))];
        m_next[row] = head;
        head = quint32(row + 1);
    }
    m_built = true;
}

std::vector<quint32> ActKeyIndex::rowsOf(QByteArrayView key) const
{
    std::vector<quint32> rows;
    if (key.size() != m_width || m_width == 0)
        return rows;
    if (!m_built)
        build();
    for (quint32 entry = m_heads[bucketOf(key.data())]; entry != 0; entry = m_next[entry - 1])
        if (std::memcmp(m_keys.data() + size_t(entry - 1) * size_t(m_width), key.data(), size_t(m_width)) == 0)
            rows.push_back(entry - 1);
    std::reverse(rows.begin(), rows.end());
    return rows;
}

QByteArray ActKeyIndex::keyOf(QStringView text) const
{
    bool lossless = true;
    QByteArray key = dbf::Cp1252::encode(text, &lossless);
    if (!lossless || key.size() > m_width)
        return QByteArray();
    key.resize(m_width, ' ');
    return key;
}

} // namespace actserver
