// Synchronisation of one table with the values selected in an attribute of the other table: the
// values are selected in the destination attribute, counted as found or not found (the latter
// flagged in the source), and the destination table then zooms to, marks or excludes its matches.
#pragma once

#include "infozoom/InfoZoomAttribute.h"

#include <QString>
#include <QtGlobal>
#include <functional>

class InfoZoomControl;
class InfoZoomTable;

namespace mainwindow {

struct SyncCounts
{
    qint32 found = 0;
    qint32 notFound = 0;
};

// Values between two progress texts.
constexpr int SyncProgressEvery = 71;

// table holds destAttribute. The destination's selection is reset first; mark and zoom choose what
// follows when something was found: mark, zoom, or (both False) exclude. progress receives
// "Synchronisiere Tabelle... (i/n)" every SyncProgressEvery values; the summary goes to the
// destination table's status line. Errors of the table component other than an absent value pass
// to the caller.
SyncCounts SyncTable(InfoZoomTable *table, const InfoZoomAttribute &sourceAttribute,
                     const InfoZoomAttribute &destAttribute, bool mark, bool zoom,
                     const std::function<void(const QString &)> &progress);

// Keeps the views of table controls from following every change while a synchronisation
// selects and flags thousands of values (each progress text lets events run, and each run would
// recount and repaint both tables); each view is brought up to date once at the end.
class SyncDisplayPause
{
public:
    SyncDisplayPause(InfoZoomControl *first, InfoZoomControl *second);
    ~SyncDisplayPause();
    SyncDisplayPause(const SyncDisplayPause &) = delete;
    SyncDisplayPause &operator=(const SyncDisplayPause &) = delete;

private:
    InfoZoomControl *m_controls[2];
    bool m_wasEnabled[2];
};

// What follows a synchronisation that found something, on a table with CanMark, Mark, Zoom,
// CanExclude and Exclude: mark, zoom, or (both False) exclude. The excluded rows are marked first,
// so that they stand out when the user zooms back.
template <typename Table> void ApplySyncMode(Table &table, bool mark, bool zoom)
{
    if (mark) {
        if (table.CanMark())
            table.Mark();
    } else if (zoom) {
        table.Zoom();
    } else if (table.CanExclude()) {
        if (table.CanMark())
            table.Mark();
        table.Exclude();
    }
}

// "n gefundene(s) Objekt(e) wurden markiert", with the not-found continuation when there are any.
QString SyncSummary(const SyncCounts &counts);

} // namespace mainwindow
