// Layout of the two tables around the splitter bar, and the splitter's mouse handling.
// Lengths are pixels of the window's inner area between toolbar and status bar.
#include "frmHaupt.h"

#include "SplitterBar.h"
#include "WindowGeometry.h"

#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QEvent>
#include <QLayout>
#include <cmath>

namespace mainwindow {

namespace {

// One screen pixel: the gap the layout leaves around the bar.
constexpr int kPixel = 1;

// Halves go to the even neighbour, as the ratio has always been rounded.
double roundRatio(double ratio) { return std::nearbyint(ratio * 10000.0) / 10000.0; }

QColor mainColorOf(const InfoZoomControl *control)
{
    const InfoZoomTable *table = control->Table();
    return QColor(table->MainColorRed(), table->MainColorGreen(), table->MainColorBlue());
}

} // namespace

bool frmHaupt::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_frameArea && event->type() == QEvent::Resize && m_loaded)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmHaupt::Form_Resize()
{
    if (layout())
        layout()->activate();
    m_barMinTop = m_infoZoomKontakt->y();
    m_barMaxTop = m_frameArea->height();
    if (isMinimized())
        return;
    const QSize least = minimumSize();
    if (width() < least.width() || height() < least.height()) {
        resize(std::max(width(), least.width()), std::max(height(), least.height()));
        return; // the size change raises the resize again
    }
    const int innerWidth = m_frameArea->width();
    for (QWidget *control : {static_cast<QWidget *>(m_infoZoomKontakt), static_cast<QWidget *>(m_infoZoomExtra),
                             static_cast<QWidget *>(m_trennbalken)})
        control->resize(innerWidth - control->x(), control->height());
    PlaceBarFromRatio();
}

void frmHaupt::PlaceBarFromRatio()
{
    const double top = std::floor(m_barRatio * (m_barMaxTop - m_barMinTop)) + m_barMinTop;
    // The ratio stays the source: taken back from the whole-pixel position it would shrink a
    // little with every resize, and the split would creep upwards.
    const double ratio = m_barRatio;
    MoveTrennbalken(static_cast<int>(top));
    m_barRatio = ratio;
}

void frmHaupt::MoveTrennbalken(int y)
{
    const int barHeight = m_trennbalken->height();
    y = std::clamp(y, m_barMinTop, std::max(m_barMinTop, m_barMaxTop));
    m_infoZoomKontakt->resize(m_infoZoomKontakt->width(), std::abs(y - m_barMinTop - 2 * kPixel));
    m_infoZoomExtra->move(m_infoZoomExtra->x(), y + barHeight);
    m_infoZoomExtra->resize(m_infoZoomExtra->width(), std::abs(m_barMaxTop - y - barHeight));
    m_trennbalken->move(m_trennbalken->x(), y - kPixel);
    // Without room between the limits there is no ratio to take; the last one stays.
    if (m_barMaxTop > m_barMinTop)
        m_barRatio = roundRatio(double(y - m_barMinTop) / double(m_barMaxTop - m_barMinTop));
}

void frmHaupt::Trennbalken_MouseDown()
{
    m_barDragged = false;
    const QColor color = m_trennbalken->color();
    m_trennbalken->setColor(QColor(std::min(255, color.red() + 48), std::min(255, color.green() + 48),
                                   std::min(255, color.blue() + 48)));
}

void frmHaupt::Trennbalken_MouseMove(int y, bool leftHeld)
{
    if (!leftHeld)
        return;
    const int newTop = m_trennbalken->y() + y;
    // Both limits are exclusive: the bar never lands on the upper table's top edge nor on the
    // status bar.
    if (newTop > m_infoZoomKontakt->y() && newTop < m_frameArea->height() - m_trennbalken->height() &&
        newTop != m_trennbalken->y()) {
        m_trennbalken->move(m_trennbalken->x(), newTop);
        m_barDragged = true;
    }
}

void frmHaupt::Trennbalken_MouseUp()
{
    ColorBarLikeActiveTable();
    // A click that did not move the bar (also the clicks of a double click) leaves the split and
    // its ratio alone; re-reading the ratio from whole pixels would change it a little each time.
    if (!m_barDragged)
        return;
    m_barDragged = false;
    // The bar sits one pixel above its split position.
    MoveTrennbalken(m_trennbalken->y() + kPixel);
}

void frmHaupt::Trennbalken_DblClick()
{
    if (m_barCollapsed) {
        m_barCollapsed = false;
        m_barRatio = m_savedBarRatio;
    } else {
        m_savedBarRatio = m_barRatio;
        m_barCollapsed = true;
        m_barRatio = 0;
    }
    PlaceBarFromRatio();
}

void frmHaupt::ColorBarLikeActiveTable()
{
    if (m_activeTable)
        m_trennbalken->setColor(mainColorOf(m_activeTable));
}

} // namespace mainwindow
