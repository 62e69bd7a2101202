// The table control: view above, status line below.
#include "InfoZoomControl.h"

#include "InfoZoomTable.h"
#include "TableView.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

// The text of the status line. A long loop changes it at every step; a label would have its
// strip laid out anew for each text (measuring the text twice), this line keeps its size and
// only paints the text, cut with "…" where it is wider than the line.
class StatusLine final : public QWidget
{
public:
    explicit StatusLine(QWidget *parent) : QWidget(parent) { setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed); }
    const QString &text() const { return m_text; }
    // Paints at once, as the callers go on working until they let events run, but not more often
    // than a screen shows a change: a loop that changes the text at every step has a text that
    // follows within a frame painted with the next turn of events, together with what else changed.
    void setText(const QString &text)
    {
        m_text = text;
        if (!isVisible())
            return;
        if (m_painted.isValid() && m_painted.elapsed() < FrameMs) {
            update();
            return;
        }
        repaint();
        m_painted.start();
    }
    QSize sizeHint() const override { return QSize(1, fontMetrics().height()); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         fontMetrics().elidedText(m_text, Qt::ElideRight, width()));
    }

private:
    static constexpr qint64 FrameMs = 40;
    QString m_text;
    QElapsedTimer m_painted;
};

InfoZoomControl::InfoZoomControl(QWidget *parent)
    : QWidget(parent), m_table(new InfoZoomTable(this)), m_view(new TableView(m_table, this)),
      m_statusStrip(new QWidget(this)), m_statusLabel(new StatusLine(m_statusStrip)),
      m_countLabel(new QLabel(m_statusStrip))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_statusStrip);

    auto *strip = new QHBoxLayout(m_statusStrip);
    strip->setContentsMargins(4, 1, 4, 1);
    strip->addWidget(m_statusLabel, 1);
    strip->addWidget(m_countLabel);
    m_statusStrip->setObjectName(QStringLiteral("statusLine"));
    m_statusStrip->setAutoFillBackground(true);
    m_countLabel->setTextFormat(Qt::PlainText);
    m_countLabel->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);

    setFocusProxy(m_view);
    m_view->installEventFilter(this);

    connect(m_table, &InfoZoomTable::statusTextChanged, this, &InfoZoomControl::showStatusText);
    connect(m_table, &InfoZoomTable::appearanceChanged, this, &InfoZoomControl::applyAppearance);
    connect(m_table, &InfoZoomTable::notify, this, &InfoZoomControl::Notify);
    connect(m_view, &TableView::rowCountTextChanged, m_countLabel, &QLabel::setText);
    applyAppearance();
}

InfoZoomControl::~InfoZoomControl() = default;

bool InfoZoomControl::DisplayEnabled() const
{
    return m_table->displayEnabled();
}

void InfoZoomControl::setDisplayEnabled(bool on)
{
    m_table->setDisplayEnabled(on);
    m_view->setUpdatesEnabled(on);
}

bool InfoZoomControl::CommandsEnabled() const
{
    return m_view->commandsEnabled();
}

void InfoZoomControl::setCommandsEnabled(bool on)
{
    m_view->setCommandsEnabled(on);
}

void InfoZoomControl::SetFocus()
{
    m_view->setFocus(Qt::OtherFocusReason);
    // Without an active window Qt delivers no focus event now; the caller still expects the event.
    if (!m_view->hasFocus())
        emit GotFocus();
}

QString InfoZoomControl::statusLineText() const
{
    return m_statusLabel->text();
}

bool InfoZoomControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::FocusIn)
        emit GotFocus();
    return QWidget::eventFilter(watched, event);
}

void InfoZoomControl::showStatusText(const QString &text)
{
    m_statusLabel->setText(text);
}

void InfoZoomControl::applyAppearance()
{
    QPalette pal = m_statusStrip->palette();
    pal.setColor(QPalette::Window, m_table->color(5).lighter(130));
    m_statusStrip->setPalette(pal);
    m_statusStrip->setVisible(m_table->DisplayOptionH());
}
