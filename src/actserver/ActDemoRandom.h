// The deterministic random source of the demo database: the same seed gives the same database on
// every machine (no library distribution whose results differ between implementations).
#pragma once

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace actserver {

class ActDemoRandom
{
public:
    explicit ActDemoRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next();
    // 0 to n - 1; n > 0.
    int below(int n) { return int(next() % std::uint64_t(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    const QString &pick(const QStringList &list) { return list.at(below(int(list.size()))); }
    QDate dateAround(const QDate &base, int daysBefore, int daysAfter)
    {
        return base.addDays(between(-daysBefore, daysAfter));
    }
    // A 12-character ACT! unique ID of printable characters (blanks and quotes included, but never
    // a blank at either end), different from every ID in used, which receives it.
    QString uniqueId(QSet<QString> &used);

private:
    std::uint64_t m_state;
};

} // namespace actserver
