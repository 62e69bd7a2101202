// The table object of the table component: attributes, rows, selection, view, colours, display
// options and the status line, reached by the program through InfoZoomControl::Table().
#pragma once

#include "InfoZoomAttribute.h"
#include "InfoZoomAttributeList.h"
#include "InfoZoomAttributeNode.h"
#include "InfoZoomAttributes.h"
#include "InfoZoomObject.h"
#include "InfoZoomObjects.h"
#include "InfoZoomValue.h"
#include "InfoZoomValues.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <array>
#include <memory>

class QWidget;
class TableData;
class TablePrinter;

// Display options A..T. The component stores all twenty; these have a visible effect:
//   A  values are shown (False: the view shows the attribute header only; the record classes keep it
//      off while a table is being filled from scratch),
//   E  a leading column with the row number in the view,
//   H  the status line at the bottom of the control,
//   T  the attribute header row.
// The others are kept and saved for callers that set them, without an effect on the view.
//
// Colour slots: the main colour paints the attribute header and the folder band; colour 1 the cells
// of selected values; colour 2 every second row; colour 3 marked rows; colour 4 the grid lines;
// colour 5 the status line and the row-number column.
//
// Objects, attributes, sets and values handed out are handles that share the table's content: they
// may be held while the table changes; one whose row or attribute left the table raises error 91.
// Errors are raised as platform::VbError with a German description.
class InfoZoomTable : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InfoZoomTable)

public:
    static constexpr int OptionCount = 20;

    explicit InfoZoomTable(QObject *parent = nullptr);
    ~InfoZoomTable() override;

    // The text of the table's own status line; shown at once (the control repaints the line).
    QString StatusText() const { return m_statusText; }
    void setStatusText(const QString &text);

    // Repaints the view from the current table state.
    void Refresh();
    // Empties the table: no attributes, no rows, no selection, no zoom history. The component never
    // creates the attributes "Kennung" or "Kennwert" by itself, not here and not later; a caller's
    // removal of a leading "Kennung"/"Kennwert" only finds attributes of those names that a user or
    // a loaded table file brought in. (An empty table with two invented columns would be saved into
    // every table file of the kinds that do not remove them.)
    void NewTable();

    // Colours, each component 0..255 (values outside are clamped).
    void SetMainColor(int r, int g, int b) { setColor(0, r, g, b); }
    void SetColor1(int r, int g, int b) { setColor(1, r, g, b); }
    void SetColor2(int r, int g, int b) { setColor(2, r, g, b); }
    void SetColor3(int r, int g, int b) { setColor(3, r, g, b); }
    void SetColor4(int r, int g, int b) { setColor(4, r, g, b); }
    void SetColor5(int r, int g, int b) { setColor(5, r, g, b); }
    // The last main colour set.
    int MainColorRed() const { return m_colors[0].red(); }
    int MainColorGreen() const { return m_colors[0].green(); }
    int MainColorBlue() const { return m_colors[0].blue(); }
    // Slot 0 is the main colour, 1..5 the colours 1 to 5.
    QColor color(int slot) const { return m_colors.at(slot); }

    bool DisplayOption(int index) const { return m_options.at(index); }
    void setDisplayOption(int index, bool on);
#define DATOLUX_IZ_OPTION(letter, index)                                                                               \
    bool DisplayOption##letter() const { return m_options[index]; }                                                    \
    void setDisplayOption##letter(bool on) { setDisplayOption(index, on); }
    DATOLUX_IZ_OPTION(A, 0)
    DATOLUX_IZ_OPTION(B, 1)
    DATOLUX_IZ_OPTION(C, 2)
    DATOLUX_IZ_OPTION(D, 3)
    DATOLUX_IZ_OPTION(E, 4)
    DATOLUX_IZ_OPTION(F, 5)
    DATOLUX_IZ_OPTION(G, 6)
    DATOLUX_IZ_OPTION(H, 7)
    DATOLUX_IZ_OPTION(I, 8)
    DATOLUX_IZ_OPTION(J, 9)
    DATOLUX_IZ_OPTION(K, 10)
    DATOLUX_IZ_OPTION(L, 11)
    DATOLUX_IZ_OPTION(M, 12)
    DATOLUX_IZ_OPTION(N, 13)
    DATOLUX_IZ_OPTION(O, 14)
    DATOLUX_IZ_OPTION(P, 15)
    DATOLUX_IZ_OPTION(Q, 16)
    DATOLUX_IZ_OPTION(R, 17)
    DATOLUX_IZ_OPTION(S, 18)
    DATOLUX_IZ_OPTION(T, 19)
#undef DATOLUX_IZ_OPTION

    // False while the table changed without the view following (rows added while the control's
    // display was off); UpdateView brings the view up to date.
    bool ViewUpdated() const { return m_viewUpdated; }
    // True while a change of the content has not reached the view yet (it travels through the event
    // queue, or waits for the display to come back); catchUpView hands it over at once.
    bool viewBehind() const { return m_updatePending || !m_viewUpdated; }
    void catchUpView();
    void UpdateView();

    // --- rows ---
    InfoZoomObjects Objects() const;
    // The rows of the current view that satisfy the selection, in view order.
    InfoZoomObjects SelectedObjects() const;
    // The rows of the current view, in view order.
    InfoZoomObjects CurrentObjects() const;
    void DeleteAllObjects();

    // --- attributes ---
    // The top level of the attribute tree.
    InfoZoomAttributes Attributes() const;
    InfoZoomAttributeList AttributeList() const;
    // Entry i of the flat attribute list (error 9 outside 0 .. Count - 1).
    InfoZoomAttributeNode AttributeItem(int index) const;
    // Removes an entry (a folder with everything in it) and its values. The two flags (ask no
    // question, remove the values as well) are accepted for the callers' sake: the component always
    // removes without asking.
    void DeleteAttribute(const InfoZoomAttributeNode &attribute, bool quiet = true, bool withValues = true);

    // --- table files ---
    // Loads a table file (only the path counts; the further arguments are accepted as callers pass
    // them). On failure the table stays as it was and a VbError with a German description is raised.
    void LoadFile(const QString &path, int a = -1, int b = 0, int c = 0, int d = -1, const QString &e = QString(),
                  int f = 0);
    // Saves the table as a table file of type "fox" through a temporary file (see TableFile).
    void SaveFile(const QString &path, const QString &type = QStringLiteral("fox"), const QString &e = QString(),
                  int f = 0);

    // --- selection and view ---
    void ResetSelection();
    bool CanMark() const;
    // The selected rows become marked (shown in colour 3) and stay so across zooms.
    void Mark();
    void ClearMarks();
    // View := the selected rows; nothing happens without selected rows. The selection is reset.
    void Zoom();
    bool CanExclude() const;
    // View := view minus the selected rows; the selection is reset.
    void Exclude();
    bool CanZoomBack() const;
    bool CanZoomForward() const;
    void ZoomBack();
    void ZoomForward();
    // The whole table again, with a fresh history.
    void ShowAll();
    // The conditions of the current view in words, e.g. `Ort = "Berlin" UND Typ <> "Anruf"`;
    // empty for the whole table.
    QString QueryText() const;
    void SortBy(const InfoZoomAttribute &attribute, bool ascending);

    // --- printing (Qt Print Support; without a printer a PDF file is offered) ---
    // Returns the file written when the printout went into a file (a PDF without a printer), else "".
    QString PrintOut();
    void PrintPreview();
    void PrintSetup();
    // Where dialogs of the table are parented (the control sets it).
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }

    // The Notify command that follows every user action on the selection, the view, the selected
    // attribute or the marks (a click, a key, zoom, exclude, mark, back, forward, all objects, sort),
    // so that the program can follow them. It is none of the attribute commands: nothing was redefined.
    static constexpr const char *SelectionCommand = "CSelectionCommand";
    // Sends the Notify of an attribute command (the view calls it after a user command).
    void notifyCommand(const QString &kind, const QString &command, const QString &detail);

    std::shared_ptr<TableData> data() const { return m_data; }

    // Set by the control: while False the view does no per-row work and does not repaint.
    bool displayEnabled() const { return m_displayEnabled; }
    void setDisplayEnabled(bool on);

signals:
    void statusTextChanged(const QString &text);
    // Colours or display options changed.
    void appearanceChanged();
    // Attributes, rows, selection or view changed and the view should follow (not sent while the
    // display is off).
    void contentChanged();
    // An attribute command of the user ended; the control passes it on as its Notify event.
    void notify(const QString &kind, const QString &command, const QString &detail, const QString &source);

private:
    void setColor(int slot, int r, int g, int b);
    void contentTouched();

    std::shared_ptr<TableData> m_data;
    QWidget *m_dialogParent = nullptr;
    std::unique_ptr<TablePrinter> m_printer;
    bool m_updatePending = false;

    QString m_statusText;
    std::array<QColor, 6> m_colors;
    std::array<bool, OptionCount> m_options{};
    bool m_viewUpdated = true;
    bool m_displayEnabled = true;
};
