// The ACT! actions on the selection: a lookup of the contacts (or groups) selected in a table, and
// the display of the one note, sale or activity chosen in the lower table, framed by status texts
// with menus and toolbar disabled while ACT! works.
#pragma once

#include "infozoom/InfoZoomAttribute.h"
#include "infozoom/InfoZoomObject.h"

#include <QObject>
#include <QString>
#include <functional>

class InfoZoomTable;

namespace records {
class RecordClassBase;
}

namespace mainwindow {

class frmHaupt;

class ActionCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActionCommands)

public:
    struct Texts
    {
        QString start;
        QString success;
        QString failure;
        // The command was reached with nothing to act on.
        QString nothing;
    };

    // Registers mnuACTSuche, mnuShowNote, mnuShowSale, mnuShowActivity and mnuShowGroup with the
    // window, which owns the object.
    static ActionCommands *Register(frmHaupt &window);

    // The row a display command works on: the one selected row, else the one row of the current
    // view, else the empty handle.
    static InfoZoomObject ChosenRow(InfoZoomTable *table);
    // ChosenRow, else, when exactly one value of the record's ID attribute is selected, the first
    // selected row: one record shown as several rows (an activity with each of its contacts) is
    // still one record to show.
    static InfoZoomObject ChosenRecordRow(InfoZoomTable *table, const InfoZoomAttribute &uniqueId);

    // The lookup frame: start text, controls off, createSearch, its success or failure text,
    // controls on. Without anything selected only the text that nothing was done.
    void RunLookup(const Texts &texts, bool anySelected, const std::function<bool()> &createSearch);
    // The display frame over the lower table's chosen row: show gets the texts of the row's values
    // in the record object's unique-ID and sync attributes. Without a row only the text that nothing
    // was done. oneIdValueSuffices chooses the row by ChosenRecordRow.
    void RunDisplay(const records::RecordClassBase *record, const Texts &texts,
                    const std::function<bool(const QString &id, const QString &relationId)> &show,
                    bool oneIdValueSuffices = false);

    void mnuACTSuche_Click();
    void mnuShowNote_Click();
    void mnuShowSale_Click();
    void mnuShowActivity_Click();
    void mnuShowGroup_Click();

private:
    explicit ActionCommands(frmHaupt &window);

    frmHaupt &m_window;
};

} // namespace mainwindow
