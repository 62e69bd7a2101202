// Layout of the start-up window.
#include "frmSplash.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace mainwindow {

frmSplash::frmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setStyleSheet(QStringLiteral("QFrame { background: #1f4e79; color: white; }"));
    auto *title = new QLabel(QStringLiteral("Datolux"), frame);
    QFont titleFont = title->font();
    titleFont.setPointSize(28);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    auto *subtitle = new QLabel(QStringLiteral("Analyse von ACT!-Daten"), frame);
    subtitle->setAlignment(Qt::AlignCenter);
    m_lbInfo = new QLabel(frame);
    m_lbInfo->setObjectName(QStringLiteral("lbInfo"));
    m_lbInfo->setAlignment(Qt::AlignCenter);

    auto *inner = new QVBoxLayout(frame);
    inner->setContentsMargins(24, 24, 24, 16);
    inner->addWidget(title);
    inner->addWidget(subtitle);
    inner->addStretch(1);
    inner->addWidget(m_lbInfo);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    setFixedSize(380, 200);
}

} // namespace mainwindow
