// The seven code tables of the activities: the texts shown for the numeric codes of alarm, done
// state, e-mail alarm, priority, visibility, timing and activity type.
#pragma once

#include <QString>
#include <array>

namespace records {

class ActivityCodeTexts
{
public:
    enum Table
    {
        Alarm,
        DoneState,
        EmailAlarm,
        Priority,
        Visibility,
        Timing,
        ActivityType,
        TableCount
    };

    // Every entry 0 to 255 of every table "Unbekannt" but the named ones.
    ActivityCodeTexts();

    // The text of entry (0 to 255) of table; "Unbekannt" outside.
    const QString &text(Table table, int entry) const;
    // The text for a value read from ACT!: its leading number (0 when it has none, so the empty value
    // gives entry 0), rounded to a whole number.
    const QString &textOf(Table table, const QString &value) const;

    static constexpr int kEntries = 256;

private:
    std::array<std::array<QString, kEntries>, TableCount> m_texts;
};

} // namespace records
