// One panel of the main window's status bar: a text with a key, drawn raised or inset, that
// reports a click with its key.
#pragma once

#include <QLabel>

namespace mainwindow {

class StatusBarPanel final : public QLabel
{
    Q_OBJECT

public:
    enum class Bevel { None, Raised, Inset };

    StatusBarPanel(const QString &key, QWidget *parent = nullptr);

    QString key() const { return m_key; }
    Bevel bevel() const { return m_bevel; }
    void setBevel(Bevel bevel);

signals:
    void clicked(const QString &key);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_key;
    Bevel m_bevel = Bevel::None;
    bool m_pressed = false;
};

} // namespace mainwindow
