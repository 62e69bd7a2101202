// The deterministic random source of the demo database.
#include "ActDemoRandom.h"

namespace actserver {

std::uint64_t ActDemoRandom::next()
{
    // splitmix64
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

QString ActDemoRandom::uniqueId(QSet<QString> &used)
{
    for (;;) {
        QString id(12, Qt::Uninitialized);
        for (int i = 0; i < 12; ++i) {
            const bool edge = i == 0 || i == 11;
            id[i] = QChar(char16_t(edge ? between(0x21, 0x7E) : between(0x20, 0x7E)));
        }
        if (!used.contains(id)) {
            used.insert(id);
            return id;
        }
    }
}

} // namespace actserver
