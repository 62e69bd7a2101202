// The table control: the widget that shows one InfoZoomTable with its view and its own status line
// at the bottom, and tells the window when it gets the focus or when the user changed an attribute.
#pragma once

#include <QString>
#include <QWidget>

class InfoZoomTable;
class QLabel;
class StatusLine;
class TableView;

class InfoZoomControl : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InfoZoomControl)

public:
    explicit InfoZoomControl(QWidget *parent = nullptr);
    ~InfoZoomControl() override;

    // The table shown; owned by the control and alive as long as the control is.
    InfoZoomTable *Table() const { return m_table; }

    // Free text of the caller (the program keeps the table kind shown in it).
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // False: the view neither repaints nor follows row changes (for filling large tables).
    bool DisplayEnabled() const;
    void setDisplayEnabled(bool on);

    // False while the program runs a command of its own: the user's commands on the table are
    // refused, selecting still works.
    bool CommandsEnabled() const;
    void setCommandsEnabled(bool on);

    // Gives the view the keyboard focus; GotFocus follows.
    void SetFocus();

    // Geometry in pixels, relative to the parent widget.
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void Move(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

    TableView *view() const { return m_view; }
    // What the status line shows now.
    QString statusLineText() const;

signals:
    void GotFocus();
    // Kind "Command" with Command "CInsertAttributeCommand", "CDeleteAttributeCommand" or
    // "CRedefineAttributeCommand" after the user changed an attribute; Kind "CommandNotSubmitted" with
    // Command "CAttributesMover" when the user starts moving attributes; Kind "Command" with Command
    // InfoZoomTable::SelectionCommand after the user changed the selection, the view, the selected
    // attribute or the marks.
    void Notify(const QString &kind, const QString &command, const QString &detail, const QString &source);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showStatusText(const QString &text);
    void applyAppearance();

    InfoZoomTable *m_table;
    TableView *m_view;
    QWidget *m_statusStrip;
    StatusLine *m_statusLabel;
    QLabel *m_countLabel;
    QString m_tag;
};
