#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace kelra {
namespace {

QPixmap Canvas(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

QPixmap Waves(int size) {
    QPixmap pm = Canvas(size);
    QPainter p(&pm);
    DrawAppPicture(p, size);
    return pm;
}

}  // namespace

// Three sine waves over a white card: the program's picture.
void DrawAppPicture(QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    p.setPen(QPen(QColor(60, 60, 60), s));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5 * s, 1.5 * s, 29 * s, 29 * s), 3 * s, 3 * s);
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 200, 0), QColor(0, 0, 255)};
    const double periods[] = {23, 28, 33};
    for (int c = 0; c < 3; ++c) {
        QPainterPath path;
        for (int x = 0; x <= 24; ++x) {
            const double y = 16 - 9 * std::sin(2 * M_PI * x * 16 / periods[c] / 24 * 1.6 + c);
            const QPointF pt((4 + x) * s, y * s);
            if (x == 0) path.moveTo(pt);
            else path.lineTo(pt);
        }
        p.setPen(QPen(colours[c], 1.6 * s));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(Waves(size));
    return icon;
}

QIcon NewPersonIcon() {
    QPixmap pm = Canvas(16);
    QPainter p(&pm);
    QPolygon page;
    page << QPoint(3, 1) << QPoint(10, 1) << QPoint(13, 4) << QPoint(13, 14) << QPoint(3, 14);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
    return QIcon(pm);
}

QIcon PropertiesIcon() {
    QPixmap pm = Canvas(16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 100));
    // Handle from the lower left, jaw at the upper right.
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    p.drawRoundedRect(QRectF(-7, -1.5, 10, 3), 1, 1);
    p.drawEllipse(QPointF(3.5, 0), 3.5, 3.5);
    p.setBrush(Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawRect(QRectF(4, -1.2, 4, 2.4));
    p.restore();
    return QIcon(pm);
}

QIcon CommentsIcon() {
    QPixmap pm = Canvas(16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 200));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.8, 3, 2.4, 2.4));
    p.drawRect(QRectF(6.9, 6.5, 2.2, 6.5));
    return QIcon(pm);
}

}  // namespace kelra
