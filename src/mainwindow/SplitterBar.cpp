// Painting and mouse reporting of the splitter bar.
#include "SplitterBar.h"

#include <QMouseEvent>
#include <QPainter>

namespace mainwindow {

SplitterBar::SplitterBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picTrennbalken"));
    setCursor(Qt::SplitVCursor);
    setMouseTracking(true);
}

void SplitterBar::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void SplitterBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    painter.setPen(m_color.lighter(140));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.setPen(m_color.darker(140));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}

void SplitterBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit leftPressed();
}

void SplitterBar::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(qRound(event->position().y()), event->buttons().testFlag(Qt::LeftButton));
}

void SplitterBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit leftReleased();
}

void SplitterBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace mainwindow
