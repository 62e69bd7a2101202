// The view of a table: a virtual grid that paints only the visible cells of the current view.
#pragma once

#include <QAbstractScrollArea>

class InfoZoomTable;

class TableView : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TableView)

public:
    TableView(InfoZoomTable *table, QWidget *parent = nullptr);
    ~TableView() override;

signals:
    // "n von m Objekten": how many rows the view holds.
    void rowCountTextChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void contentChanged();

    InfoZoomTable *m_table;
};
