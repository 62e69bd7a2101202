// Deletion of the selected notes from the ACT! database.
#include "NoteDeletion.h"

#include "DisplayPause.h"
#include "frmHaupt.h"
#include "modHaupt.h"

#include "actlink/clUniqueIDConverter.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"
#include "project/clProjekt.h"
#include "records/clNotizen.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QSet>

namespace mainwindow {

namespace {

// The selected rows as they stand when the user confirms. The tables still take clicks while the
// walk lets events run; a selection changed meanwhile must not reach notes the user did not confirm.
QList<quint32> selectedRows(InfoZoomTable *table)
{
    InfoZoomObjects selected = table->SelectedObjects();
    selected.Reset();
    QList<quint32> rows;
    const int n = selected.Count();
    rows.reserve(n);
    for (int i = 0; i < n; ++i)
        rows << selected.NextObject().row();
    return rows;
}

} // namespace

NoteDeletion::NoteDeletion(frmHaupt &window) : QObject(&window), m_window(window) {}

NoteDeletion *NoteDeletion::Register(frmHaupt &window)
{
    auto *c = new NoteDeletion(window);
    window.AddCommand(QStringLiteral("mnuDeleteNotes"), [c] { c->mnuDeleteNotes_Click(); });
    return c;
}

void NoteDeletion::mnuDeleteNotes_Click()
{
    records::clNotizen *notizen = dynamic_cast<records::clNotizen *>(modHaupt::Notizen.get());
    DeleteSelectedNotes(notizen ? notizen->UniqueIDAttribute() : InfoZoomAttribute(),
                        [notizen](const QString &uniqueId) { return notizen->DeleteNote(uniqueId); });
}

void NoteDeletion::DeleteSelectedNotes(const InfoZoomAttribute &uniqueIdAttribute, const DeleteNote &deleteNote)
{
    if (m_window.InfoZoomExtra()->Tag() != QLatin1String("Notizen"))
        return;
    InfoZoomTable *table = m_window.InfoZoomExtra()->Table();
    const QList<quint32> chosen = selectedRows(table);
    if (chosen.isEmpty()) {
        m_window.SetStatusBarText(QStringLiteral("Es ist keine Notiz ausgewählt: Es wurde nichts gelöscht."));
        return;
    }
    if (uniqueIdAttribute.isNull())
        throw platform::VbError(91, QStringLiteral("Das Attribut der Notiz-IDs wurde in der Tabelle nicht gefunden."));
    const QString question = QStringLiteral("Sind Sie sicher das ") + QString::number(chosen.size()) +
                             QStringLiteral(" Notiz(en) unwiderruflich in der ACT!-Datenbank gelöscht werden sollen?");
    if (platform::ui().msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNo) !=
        platform::MsgAnswer::Yes)
        return;
    m_window.EnableControls(false, false);
    m_window.setCancelRequested(false);
    platform::DoEvents();

    Counts counts;
    counts.selected = qint32(chosen.size());
    try {
        const bool complete = Walk(chosen, uniqueIdAttribute, deleteNote, counts);
        m_window.SetStatusBarText(complete ? Tally(counts)
                                           : QStringLiteral("Der Löschvorgang wurde abgebrochen. ") + Tally(counts));
    } catch (...) {
        // What was deleted stays deleted: the project must know of it whatever stopped the walk.
        Finish(counts);
        throw;
    }
    Finish(counts);
}

bool NoteDeletion::Walk(const QList<quint32> &chosenRows, const InfoZoomAttribute &uniqueIdAttribute,
                        const DeleteNote &deleteNote, Counts &counts)
{
    InfoZoomTable *table = m_window.InfoZoomExtra()->Table();
    // Each progress text lets events run; a view following every deleted row would recount and
    // repaint the whole table per note. It catches up once when the walk ends, however it ends.
    const DisplayPause pause({m_window.InfoZoomExtra()});
    const QSet<quint32> chosen(chosenRows.begin(), chosenRows.end());
    actlink::clUniqueIDConverter converter;
    InfoZoomObjects rows = table->Objects();
    rows.Reset();
    m_window.SetStatusBarText(QStringLiteral("Einträge werden gelöscht..."));
    const int total = rows.Count();
    int lastProgress = 0;
    const auto progress = [&](int i) {
        m_window.SetStatusBarText(QStringLiteral("Einträge werden gelöscht... (%1/%2)").arg(i).arg(rows.Count()));
        lastProgress = i;
    };
    for (int i = 1; i <= total; ++i) {
        InfoZoomObject row = rows.NextObject();
        if (row && chosen.contains(row.row())) {
            const QString uniqueId = converter.ToUniqueID(row.Value(uniqueIdAttribute).toString());
            if (deleteNote(uniqueId)) {
                row.Delete();
                ++counts.deleted;
            } else {
                ++counts.errors;
            }
            table->setStatusText(QStringLiteral("Es wurden bisher %1 Einträge von %2 gelöscht... (%3 Fehler)")
                                     .arg(counts.deleted)
                                     .arg(counts.selected)
                                     .arg(counts.errors));
            progress(i);
            if (counts.deleted + counts.errors == counts.selected)
                return true;
        }
        if (m_window.CancelRequested())
            return false;
        if (i - lastProgress >= ProgressEvery)
            progress(i);
    }
    return true;
}

void NoteDeletion::Finish(const Counts &counts)
{
    if (counts.deleted > 0 && modHaupt::Projekt)
        modHaupt::Projekt->DataChanged();
    m_window.UpdateMenus();
    InfoZoomTable *table = m_window.InfoZoomExtra()->Table();
    table->setStatusText(QString());
    table->Refresh();
    m_window.EnableControls(true, false);
}

QString NoteDeletion::Tally(const Counts &counts) const
{
    return QStringLiteral("Es wurden %1 Einträge von %2 gelöscht. (%3 Fehler)")
        .arg(counts.deleted)
        .arg(counts.selected)
        .arg(counts.errors);
}

} // namespace mainwindow
