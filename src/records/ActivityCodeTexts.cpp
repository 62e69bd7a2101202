// The activities' code tables.
#include "ActivityCodeTexts.h"

#include "project/VbVal.h"

#include <cmath>

namespace records {

namespace {

const QString &unknown()
{
    static const QString text = QStringLiteral("Unbekannt");
    return text;
}

} // namespace

ActivityCodeTexts::ActivityCodeTexts()
{
    for (auto &table : m_texts)
        table.fill(unknown());
    const auto set = [this](Table table, const char *e0, const char *e1, const char *e2) {
        m_texts[table][0] = QString::fromUtf8(e0);
        m_texts[table][1] = QString::fromUtf8(e1);
        m_texts[table][2] = QString::fromUtf8(e2);
    };
    set(Alarm, "Keine Erinnerung", "Mit Erinnerung", "Unbekannt");
    set(DoneState, "Offen", "Erledigt", "Unbekannt");
    set(EmailAlarm, "Keine Email-Erinnerung", "Mit Email-Erinnerung", "Unbekannt");
    set(Priority, "Hoch", "Mittel", "Niedrig");
    set(Visibility, "Unbekannt", "öffentlich", "privat");
    set(Timing, "zeitgebunden", "zeitlos", "Unbekannt");
    set(ActivityType, "Anruf", "Treffen", "Erledigung");
}

const QString &ActivityCodeTexts::text(Table table, int entry) const
{
    if (table < 0 || table >= TableCount || entry < 0 || entry >= kEntries)
        return unknown();
    return m_texts[table][entry];
}

const QString &ActivityCodeTexts::textOf(Table table, const QString &value) const
{
    // Halves go to the even number, as the index of a VB array does.
    const double entry = std::nearbyint(project::vbVal(value));
    if (!(entry >= 0 && entry < kEntries))
        return unknown();
    return text(table, int(entry));
}

} // namespace records
