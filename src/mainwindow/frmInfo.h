// The about box: product and version over a background picture, with the credits scrolling in a
// small window; a click or Esc closes it.
#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>

class QLabel;
class QTimer;

namespace mainwindow {

class frmInfo final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmInfo)

public:
    // Milliseconds between two steps of the credits.
    static constexpr int ScrollInterval = 70;

    // The load event: version line, product label, scroll position 0, timer running.
    explicit frmInfo(QWidget *parent = nullptr);

    // "Version major.minor.0.revision".
    static QString VersionText(int major, int minor, int revision);

    // One tick of Timer1: shows the credits from the scroll position in the box, then moves on one
    // unit, starting again at 0 after the last full window.
    void Timer1_Timer();

    int ScrollPosition() const { return m_scrollPosition; }
    // ilScrollTexte: image 1 (index 0) is the credits picture. Replacing it starts the credits again.
    const QList<QPixmap> &ilScrollTexte() const { return m_ilScrollTexte; }
    void setCreditsPicture(const QPixmap &picture);

    QLabel *lbVersion() const { return m_lbVersion; }
    QLabel *lbProdukt() const { return m_lbProdukt; }
    QLabel *picScrollText() const { return m_picScrollText; }
    QTimer *Timer1() const { return m_timer1; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static QPixmap makeCreditsPicture(int width);
    void unload();

    QLabel *m_lbVersion = nullptr;
    QLabel *m_lbProdukt = nullptr;
    QLabel *m_picScrollText = nullptr;
    QTimer *m_timer1 = nullptr;
    QList<QPixmap> m_ilScrollTexte;
    QPixmap m_background;
    int m_scrollPosition = 0;
};

} // namespace mainwindow
