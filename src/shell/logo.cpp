#include "logo.h"

#include <QPainter>
#include <QPainterPath>

namespace shell {

QPixmap ostrivaleLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);

    painter.setPen(QPen(QColor(20, 90, 40), 3));
    painter.setBrush(QColor(60, 160, 80));
    painter.drawEllipse(QRectF(4, 14, 92, 72));
    painter.setPen(QPen(QColor(250, 250, 240), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(14, 24, 72, 52));

    // A runner in mid-stride.
    painter.setPen(QPen(QColor(200, 40, 30), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(200, 40, 30));
    painter.drawEllipse(QPointF(56, 30), 5, 5);
    QPainterPath body;
    body.moveTo(54, 38);
    body.lineTo(46, 56);
    body.moveTo(46, 56);
    body.lineTo(58, 66);
    body.lineTo(54, 78);
    body.moveTo(46, 56);
    body.lineTo(36, 64);
    body.lineTo(28, 62);
    body.moveTo(52, 42);
    body.lineTo(64, 50);
    body.lineTo(70, 44);
    body.moveTo(52, 42);
    body.lineTo(40, 44);
    body.lineTo(34, 52);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
    return pixmap;
}

} // namespace shell
