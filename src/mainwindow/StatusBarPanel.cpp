// Status-bar panel with a key and a bevel.
#include "StatusBarPanel.h"

#include <QMouseEvent>

namespace mainwindow {

StatusBarPanel::StatusBarPanel(const QString &key, QWidget *parent) : QLabel(parent), m_key(key)
{
    setObjectName(key);
    setMargin(2);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setBevel(Bevel::None);
}

void StatusBarPanel::setBevel(Bevel bevel)
{
    m_bevel = bevel;
    switch (bevel) {
    case Bevel::None:
        setFrameStyle(QFrame::NoFrame);
        break;
    case Bevel::Raised:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    case Bevel::Inset:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
}

void StatusBarPanel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void StatusBarPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked(m_key);
}

} // namespace mainwindow
