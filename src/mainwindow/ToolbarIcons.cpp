// Glyphs of the toolbar buttons, painted on 24 x 24 pixels.
#include "ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace mainwindow {

namespace {

constexpr int kSize = 24;

void sheet(QPainter &p, const QRectF &r, const QColor &fill)
{
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void lines(QPainter &p, const QRectF &r, int count)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + r.height() * (i + 1) / (count + 1);
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    }
}

void letter(QPainter &p, const QRectF &r, const QString &text, const QColor &color, int pixelSize)
{
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

void note(QPainter &p, const QRectF &r)
{
    sheet(p, r, QColor(255, 236, 130));
    lines(p, r.adjusted(0, 3, 0, 0), 3);
}

void sale(QPainter &p, const QRectF &r)
{
    sheet(p, r, QColor(200, 235, 200));
    letter(p, r.adjusted(0, 2, 0, 0), QStringLiteral("€"), QColor(20, 110, 40), int(r.height() * 0.7));
}

void task(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(255, 210, 150));
    p.drawRoundedRect(r, 2, 2);
    p.setPen(QPen(QColor(190, 80, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(r.left() + r.width() * 0.22, r.center().y()),
                             QPointF(r.left() + r.width() * 0.45, r.bottom() - r.height() * 0.22),
                             QPointF(r.right() - r.width() * 0.18, r.top() + r.height() * 0.2)});
}

void people(QPainter &p, const QRectF &r)
{
    const QColor colors[] = {QColor(150, 90, 200), QColor(110, 60, 170), QColor(180, 130, 225)};
    const qreal w = r.width() / 3.0;
    for (int i = 0; i < 3; ++i) {
        const qreal x = r.left() + (i == 2 ? w : i * 2 * w) + (i == 2 ? 0 : 0);
        const qreal y = i == 2 ? r.top() + r.height() * 0.28 : r.top() + r.height() * 0.42;
        p.setPen(QPen(QColor(60, 30, 90), 0.8));
        p.setBrush(colors[i]);
        p.drawEllipse(QRectF(x + w * 0.2, y, w * 0.7, w * 0.7));
        p.drawChord(QRectF(x, y + w * 0.75, w * 1.1, w * 1.2), 0, 180 * 16);
    }
}

void database(QPainter &p, const QRectF &r)
{
    const qreal capH = r.height() * 0.25;
    p.setPen(QPen(QColor(20, 80, 90), 1));
    p.setBrush(QColor(90, 180, 190));
    p.drawRect(QRectF(r.left(), r.top() + capH / 2, r.width(), r.height() - capH));
    p.drawEllipse(QRectF(r.left(), r.bottom() - capH, r.width(), capH));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(r.left() + 0.5, r.top() + capH / 2, r.width() - 1, r.height() - capH));
    p.setPen(QPen(QColor(20, 80, 90), 1));
    p.drawLine(QPointF(r.left(), r.top() + capH / 2), QPointF(r.left(), r.bottom() - capH / 2));
    p.drawLine(QPointF(r.right(), r.top() + capH / 2), QPointF(r.right(), r.bottom() - capH / 2));
    p.setBrush(QColor(160, 220, 225));
    p.drawEllipse(QRectF(r.left(), r.top(), r.width(), capH));
}

void table(QPainter &p, const QRectF &r, const QColor &header)
{
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() * 0.35), header);
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
}

void arrow(QPainter &p, QPointF from, QPointF to, const QColor &color)
{
    p.setPen(QPen(color, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot(to.x() - from.x(), to.y() - from.y()));
    const QPointF n(-d.y(), d.x());
    p.setBrush(color);
    p.setPen(QPen(color, 1));
    p.drawPolygon(QPolygonF{to + d * 2, to - d * 4 + n * 4, to - d * 4 - n * 4});
}

void magnifier(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(60, 60, 60), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.center().x() + r.width() * 0.2, r.center().y() + r.height() * 0.2), r.bottomRight());
    p.setPen(QPen(QColor(40, 70, 140), 2));
    p.setBrush(QColor(200, 225, 255, 200));
    p.drawEllipse(QRectF(r.left(), r.top(), r.width() * 0.68, r.height() * 0.68));
}

// The small red mark of the buttons that show something in ACT!.
void actBadge(QPainter &p)
{
    const QRectF badge(13, 13, 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(badge);
    letter(p, badge.adjusted(0, 0, 0, -0.5), QStringLiteral("A"), Qt::white, 9);
}

bool paintGlyph(QPainter &p, const QString &key)
{
    const QRectF full(3, 2, 18, 20);
    const QRectF small(1, 1, 14, 16);
    if (key == QLatin1String("btnNew")) {
        sheet(p, full, Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 200, 0));
        p.drawEllipse(QRectF(13, 13, 9, 9));
    } else if (key == QLatin1String("btnOpen")) {
        p.setPen(QPen(QColor(120, 90, 10), 1));
        p.setBrush(QColor(240, 200, 80));
        p.drawPolygon(QPolygonF{{2, 6}, {9, 6}, {11, 8}, {20, 8}, {20, 19}, {2, 19}});
        p.setBrush(QColor(255, 225, 120));
        p.drawPolygon(QPolygonF{{5, 11}, {23, 11}, {20, 19}, {2, 19}});
    } else if (key == QLatin1String("btnSave")) {
        p.setPen(QPen(QColor(20, 40, 90), 1));
        p.setBrush(QColor(60, 100, 180));
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 3.5, 12, 7));
        p.setBrush(QColor(190, 200, 220));
        p.drawRect(QRectF(7, 14, 10, 7));
    } else if (key == QLatin1String("btnNotiz")) {
        note(p, full);
    } else if (key == QLatin1String("btnAuftrag")) {
        sale(p, full);
    } else if (key == QLatin1String("btnAufgabe")) {
        task(p, full.adjusted(0, 1, 0, -1));
    } else if (key == QLatin1String("btnGruppen")) {
        people(p, QRectF(1, 1, 22, 22));
    } else if (key == QLatin1String("btnADODaten")) {
        database(p, QRectF(4, 2, 16, 20));
    } else if (key == QLatin1String("btnSyncOben")) {
        table(p, QRectF(2, 2, 13, 9), QColor(120, 160, 230));
        table(p, QRectF(9, 13, 13, 9), QColor(240, 190, 90));
        arrow(p, QPointF(6, 20), QPointF(6, 14), QColor(30, 120, 40));
    } else if (key == QLatin1String("btnSyncUnten")) {
        table(p, QRectF(2, 2, 13, 9), QColor(120, 160, 230));
        table(p, QRectF(9, 13, 13, 9), QColor(240, 190, 90));
        arrow(p, QPointF(19, 3), QPointF(19, 9), QColor(30, 120, 40));
    } else if (key == QLatin1String("btnACTSuche")) {
        magnifier(p, QRectF(1, 1, 15, 15));
        actBadge(p);
    } else if (key == QLatin1String("btnACTNotiz")) {
        note(p, small);
        actBadge(p);
    } else if (key == QLatin1String("btnACTAuftrag")) {
        sale(p, small);
        actBadge(p);
    } else if (key == QLatin1String("btnACTAufgabe")) {
        task(p, small);
        actBadge(p);
    } else if (key == QLatin1String("btnACTGruppen")) {
        people(p, QRectF(0, 0, 16, 16));
        actBadge(p);
    } else {
        return false;
    }
    return true;
}

QImage variant(const QImage &normal, bool disabled)
{
    QImage image = normal.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            if (disabled) {
                const int grey = 128 + qGray(c) / 2;
                line[x] = qRgba(grey, grey, grey, qAlpha(c) / 2);
            } else {
                line[x] = qRgba(std::min(255, qRed(c) + 40), std::min(255, qGreen(c) + 40),
                                std::min(255, qBlue(c) + 40), qAlpha(c));
            }
        }
    }
    return image;
}

} // namespace

QIcon ToolbarIcon(const QString &key)
{
    QImage normal(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    normal.fill(Qt::transparent);
    {
        QPainter painter(&normal);
        painter.setRenderHint(QPainter::Antialiasing);
        if (!paintGlyph(painter, key))
            return QIcon();
    }
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(variant(normal, true)), QIcon::Disabled);
    icon.addPixmap(QPixmap::fromImage(variant(normal, false)), QIcon::Active);
    return icon;
}

} // namespace mainwindow
