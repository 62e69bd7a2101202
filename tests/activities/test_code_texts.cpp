// The activities' seven code tables: every named entry, "Unbekannt" elsewhere, and how a value read
// from ACT! picks its entry.
#include "records/ActivityCodeTexts.h"

#include <gtest/gtest.h>

using records::ActivityCodeTexts;

namespace {

struct Named
{
    ActivityCodeTexts::Table table;
    const char *texts[3];
};

const Named kNamed[] = {
    {ActivityCodeTexts::Alarm, {"Keine Erinnerung", "Mit Erinnerung", "Unbekannt"}},
    {ActivityCodeTexts::DoneState, {"Offen", "Erledigt", "Unbekannt"}},
    {ActivityCodeTexts::EmailAlarm, {"Keine Email-Erinnerung", "Mit Email-Erinnerung", "Unbekannt"}},
    {ActivityCodeTexts::Priority, {"Hoch", "Mittel", "Niedrig"}},
    {ActivityCodeTexts::Visibility, {"Unbekannt", "öffentlich", "privat"}},
    {ActivityCodeTexts::Timing, {"zeitgebunden", "zeitlos", "Unbekannt"}},
    {ActivityCodeTexts::ActivityType, {"Anruf", "Treffen", "Erledigung"}},
};

TEST(ActivityCodeTexts, TheNamedEntriesAndUnbekanntEverywhereElse)
{
    const ActivityCodeTexts texts;
    for (const Named &named : kNamed) {
        for (int e = 0; e < 3; ++e)
            EXPECT_EQ(texts.text(named.table, e), QString::fromUtf8(named.texts[e])) << named.table << "/" << e;
        for (int e = 3; e < ActivityCodeTexts::kEntries; ++e)
            ASSERT_EQ(texts.text(named.table, e), QStringLiteral("Unbekannt")) << named.table << "/" << e;
    }
}

TEST(ActivityCodeTexts, AValuePicksTheEntryOfItsLeadingNumber)
{
    const ActivityCodeTexts texts;
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::Alarm, QString()), QStringLiteral("Keine Erinnerung"));
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::Visibility, QString()), QStringLiteral("Unbekannt"));
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::Visibility, QStringLiteral("0")), QStringLiteral("Unbekannt"));
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::Visibility, QStringLiteral("2")), QStringLiteral("privat"));
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::Priority, QStringLiteral("7")), QStringLiteral("Unbekannt"));
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::ActivityType, QStringLiteral("1x")), QStringLiteral("Treffen"));
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::ActivityType, QStringLiteral("x1")), QStringLiteral("Anruf"));
    // Halves go to the even entry.
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::Priority, QStringLiteral("1.5")), QStringLiteral("Niedrig"));
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::Priority, QStringLiteral("0.5")), QStringLiteral("Hoch"));
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::Priority, QStringLiteral("1.6")), QStringLiteral("Niedrig"));
}

TEST(ActivityCodeTexts, CodesOutsideTheTablesAreUnbekannt)
{
    const ActivityCodeTexts texts;
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::DoneState, QStringLiteral("-1")), QStringLiteral("Unbekannt"));
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::DoneState, QStringLiteral("256")), QStringLiteral("Unbekannt"));
    EXPECT_EQ(texts.textOf(ActivityCodeTexts::DoneState, QStringLiteral("1e300")), QStringLiteral("Unbekannt"));
    EXPECT_EQ(texts.text(ActivityCodeTexts::DoneState, 1000), QStringLiteral("Unbekannt"));
}

} // namespace
