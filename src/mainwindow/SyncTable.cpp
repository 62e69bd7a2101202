// Synchronisation of one table with the selected values of the other.
#include "SyncTable.h"

#include "ExportCommands.h"

#include "platform/UiServices.h"
#include "platform/VbError.h"
#include "infozoom/InfoZoomTable.h"
#include "infozoom/TableErrors.h"

namespace mainwindow {

namespace {

// Selects the value in the destination; false when the destination does not hold it. Only the
// absent value is the ordinary not-found case: any other failure of the component is a real error.
bool selectInDestination(InfoZoomAttribute dest, const QString &text)
{
    try {
        dest.SelectValue(QVariant(text), true);
        return true;
    } catch (const platform::VbError &error) {
        if (error.number() != TableErrors::ValueAbsent)
            throw;
        return false;
    }
}

} // namespace

SyncCounts SyncTable(InfoZoomTable *table, const InfoZoomAttribute &sourceAttribute,
                     const InfoZoomAttribute &destAttribute, bool mark, bool zoom,
                     const std::function<void(const QString &)> &progress)
{
    table->ResetSelection();
    SyncCounts counts;
    InfoZoomValues values = sourceAttribute.SelectedValues();
    values.Reset();
    const int n = values.Count();
    for (int i = 1; i <= n; ++i) {
        InfoZoomValue value = values.NextValue();
        if (selectInDestination(destAttribute, ExportCommands::ValueText(value.Value()))) {
            ++counts.found;
        } else {
            ++counts.notFound;
            value.setMarked(true);
        }
        if (i % SyncProgressEvery == 0 && progress)
            progress(QStringLiteral("Synchronisiere Tabelle... (%1/%2)").arg(i).arg(values.Count()));
    }
    platform::DoEvents();
    if (counts.found > 0)
        ApplySyncMode(*table, mark, zoom);
    table->setStatusText(SyncSummary(counts));
    return counts;
}

QString SyncSummary(const SyncCounts &counts)
{
    QString text = QString::number(counts.found) + QStringLiteral(" gefundene(s) Objekt(e) wurden markiert");
    if (counts.notFound > 0)
        text += QStringLiteral(", und ") + QString::number(counts.notFound) +
                QStringLiteral(" nicht gefundene(s) Objekt(e) wurde(n) markiert");
    return text;
}

} // namespace mainwindow
