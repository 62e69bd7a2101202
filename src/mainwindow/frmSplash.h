// The start-up window: the program's name and a line that tells what start-up is doing.
#pragma once

#include <QWidget>

class QLabel;

namespace mainwindow {

class frmSplash final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSplash)

public:
    explicit frmSplash(QWidget *parent = nullptr);

    QLabel *lbInfo() const { return m_lbInfo; }

private:
    QLabel *m_lbInfo;
};

} // namespace mainwindow
