// The view of a table.
#include "TableView.h"

#include "InfoZoomTable.h"

#include <QPainter>

TableView::TableView(InfoZoomTable *table, QWidget *parent) : QAbstractScrollArea(parent), m_table(table)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    connect(table, &InfoZoomTable::contentChanged, this, &TableView::contentChanged);
    connect(table, &InfoZoomTable::appearanceChanged, viewport(), qOverload<>(&QWidget::update));
}

TableView::~TableView() = default;

void TableView::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().base());
    if (m_table->DisplayOptionT()) {
        const int h = fontMetrics().height() + 6;
        p.fillRect(QRect(0, 0, viewport()->width(), h), m_table->color(0));
    }
}

void TableView::contentChanged()
{
    emit rowCountTextChanged(QString());
    viewport()->update();
}
