// The about box.
#include "frmInfo.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <iterator>

#ifndef DATOLUX_VERSION_MAJOR
#define DATOLUX_VERSION_MAJOR 1
#define DATOLUX_VERSION_MINOR 0
#define DATOLUX_VERSION_PATCH 0
#endif

namespace mainwindow {

namespace {

constexpr int BoxWidth = 300;
constexpr int BoxHeight = 96;

const char *const kCredits[] = {
    "Datolux",
    "",
    "Analyse von ACT!-Daten",
    "in zwei verknüpften Tabellen",
    "",
    "Kontakte, Notizen und Protokoll,",
    "Aufträge, Aufgaben, Gruppen",
    "und externe Datenquellen",
    "",
    "Zoomen, Ausschließen, Markieren",
    "über beide Tabellen hinweg",
    "",
    "Häufigkeiten und komprimierte Werte",
    "in die Zwischenablage",
    "",
    "Entwicklung",
    "das Datolux-Team",
    "",
    "Danke an alle, die getestet,",
    "gefragt und gewünscht haben.",
};

QPixmap backgroundPicture(const QSize &size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(28, 62, 112));
    gradient.setColorAt(1, QColor(92, 140, 196));
    painter.fillRect(picture.rect(), gradient);
    painter.setPen(QColor(255, 255, 255, 40));
    for (int x = -size.height(); x < size.width(); x += 18)
        painter.drawLine(x, size.height(), x + size.height(), 0);
    return picture;
}

} // namespace

frmInfo::frmInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Informationen über das Programm"));
    setFixedSize(BoxWidth + 60, BoxHeight + 160);

    m_lbProdukt = new QLabel(QStringLiteral("Datolux"), this);
    m_lbProdukt->setObjectName(QStringLiteral("lbProdukt"));
    QFont productFont = m_lbProdukt->font();
    productFont.setPointSize(productFont.pointSize() * 2);
    productFont.setBold(true);
    m_lbProdukt->setFont(productFont);
    m_lbVersion = new QLabel(VersionText(DATOLUX_VERSION_MAJOR, DATOLUX_VERSION_MINOR, DATOLUX_VERSION_PATCH), this);
    m_lbVersion->setObjectName(QStringLiteral("lbVersion"));
    for (QLabel *label : {m_lbProdukt, m_lbVersion}) {
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    }
    m_picScrollText = new QLabel(this);
    m_picScrollText->setObjectName(QStringLiteral("picScrollText"));
    m_picScrollText->setFixedSize(BoxWidth, BoxHeight);
    m_picScrollText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lbProdukt);
    layout->addWidget(m_lbVersion);
    layout->addStretch(1);
    layout->addWidget(m_picScrollText, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    for (QWidget *child : {static_cast<QWidget *>(m_lbProdukt), static_cast<QWidget *>(m_lbVersion),
                           static_cast<QWidget *>(m_picScrollText)})
        child->installEventFilter(this);

    m_ilScrollTexte << makeCreditsPicture(BoxWidth);
    m_scrollPosition = 0;
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(ScrollInterval);
    connect(m_timer1, &QTimer::timeout, this, &frmInfo::Timer1_Timer);
    m_timer1->start();
}

QString frmInfo::VersionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.0.%3").arg(major).arg(minor).arg(revision);
}

QPixmap frmInfo::makeCreditsPicture(int width)
{
    QFont font;
    font.setPixelSize(14);
    const int lineHeight = QFontMetrics(font).height() + 4;
    const int lines = static_cast<int>(std::size(kCredits));
    // A blank box height above and below, so the credits enter and leave the box completely.
    QPixmap picture(width, (lines * lineHeight) + 2 * BoxHeight);
    picture.fill(QColor(245, 245, 238));
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(QColor(28, 62, 112));
    for (int i = 0; i < lines; ++i)
        painter.drawText(QRect(0, BoxHeight + i * lineHeight, width, lineHeight), Qt::AlignCenter,
                         QString::fromUtf8(kCredits[i]));
    return picture;
}

void frmInfo::setCreditsPicture(const QPixmap &picture)
{
    m_ilScrollTexte = {picture};
    m_scrollPosition = 0;
}

void frmInfo::Timer1_Timer()
{
    if (m_ilScrollTexte.isEmpty())
        return;
    const QPixmap &credits = m_ilScrollTexte.first();
    const QSize inner = m_picScrollText->contentsRect().size();
    QPixmap frame(inner);
    frame.fill(Qt::white);
    {
        QPainter painter(&frame);
        painter.drawPixmap(QRect(QPoint(0, 0), inner), credits, QRect(QPoint(0, m_scrollPosition), inner));
    }
    m_picScrollText->setPixmap(frame);
    m_picScrollText->repaint();

    ++m_scrollPosition;
    if (m_scrollPosition > credits.height() - inner.height() - 1)
        m_scrollPosition = 0;
}

void frmInfo::paintEvent(QPaintEvent *event)
{
    if (m_background.size() != size())
        m_background = backgroundPicture(size());
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
    QDialog::paintEvent(event);
}

void frmInfo::unload()
{
    m_timer1->stop();
    reject();
}

void frmInfo::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    unload();
}

void frmInfo::keyPressEvent(QKeyEvent *event)
{
    // Only Esc closes; no other key may reach the dialog's own key handling.
    if (event->key() == Qt::Key_Escape)
        unload();
    event->accept();
}

bool frmInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        unload();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace mainwindow
