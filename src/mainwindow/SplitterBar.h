// The splitter bar between the two tables: a coloured strip that reports presses, moves,
// releases and double clicks of the mouse; the main window decides what they do.
#pragma once

#include <QColor>
#include <QWidget>

namespace mainwindow {

class SplitterBar final : public QWidget
{
    Q_OBJECT

public:
    explicit SplitterBar(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

signals:
    void leftPressed();
    // y is the mouse's vertical position within the bar, in pixels.
    void mouseMoved(int y, bool leftHeld);
    void leftReleased();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor m_color{127, 127, 127};
};

} // namespace mainwindow
