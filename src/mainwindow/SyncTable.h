// Synchronisation of one table with the values selected in an attribute of the other table: the
// values are selected in the destination attribute, counted as found or not found (the latter
// flagged in the source), and the destination table then zooms to, marks or excludes its matches.
#pragma once

#include "infozoom/InfoZoomAttribute.h"

#include <QString>
#include <QtGlobal>
#include <functional>

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
