// What the distinct-value and frequency lists need to report their listing: a status panel to
// write into, and the progress text they write.
#pragma once

#include <QString>
#include <functional>

namespace mainwindow {

// Sets the text of the status panel that shows the listing's progress.
using PanelText = std::function<void(const QString &text)>;

// "Die Daten werden in die Zwischenablage kopiert...(p%)" with p = done × 100 / (total + 1),
// the remainder dropped.
inline QString ListProgressText(long long done, long long total)
{
    const long long percent = (done * 100) / (total + 1);
    return QStringLiteral("Die Daten werden in die Zwischenablage kopiert...(%1%)").arg(percent);
}

// Entries between two progress texts of a listing.
constexpr long long ListProgressStep = 79;

} // namespace mainwindow
