#include "DrawnImages.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace {

// Two sheets, the front one over the back one's lower right corner.
void DrawSheets(QPainter& p, const QColor& ink, const QColor& front) {
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(236, 236, 236));
    p.drawRect(QRectF(1.5, 1.5, 9, 10));
    p.setBrush(front);
    p.drawRect(QRectF(5.5, 4.5, 9, 10));
}

void DrawCopyNote(QPainter& p, const QColor& ink) {
    DrawSheets(p, ink, Qt::white);
    p.setPen(QPen(ink, 1));
    for (double y : {7.5, 9.5, 11.5}) {
        p.drawLine(QPointF(7.5, y), QPointF(y == 11.5 ? 10.5 : 12.5, y));
    }
}

void DrawCopyPicture(QPainter& p, const QColor& ink) {
    DrawSheets(p, ink, QColor(170, 210, 245));
    // A hill and the sun inside the front sheet.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 160, 70));
    QPainterPath hill;
    hill.moveTo(6, 14);
    hill.lineTo(9, 9.5);
    hill.lineTo(11, 12);
    hill.lineTo(12.5, 10.5);
    hill.lineTo(14, 12.5);
    hill.lineTo(14, 14);
    hill.closeSubpath();
    p.drawPath(hill);
    p.setBrush(QColor(245, 190, 40));
    p.drawEllipse(QPointF(12, 7), 1.3, 1.3);
}

// A speed dial with its needle towards the slow or the fast end, and a minus or a plus.
void DrawDial(QPainter& p, const QColor& ink, bool faster) {
    const QPointF centre(8, 11);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(1.5, 4.5, 13, 13), 0, 180 * 16);
    for (double degrees : {180.0, 135.0, 90.0, 45.0, 0.0}) {
        const double a = degrees * std::numbers::pi / 180;
        p.drawLine(centre + QPointF(5.3 * std::cos(a), -5.3 * std::sin(a)),
                   centre + QPointF(6.5 * std::cos(a), -6.5 * std::sin(a)));
    }
    const double needle = (faster ? 35.0 : 145.0) * std::numbers::pi / 180;
    p.setPen(QPen(QColor(200, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(5 * std::cos(needle), -5 * std::sin(needle)));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(centre, 1.2, 1.2);
    // The sign below the dial's end the needle points at.
    p.setPen(QPen(ink, 1.4));
    const double x = faster ? 13 : 3;
    p.drawLine(QPointF(x - 2, 14), QPointF(x + 2, 14));
    if (faster) {
        p.drawLine(QPointF(x, 12), QPointF(x, 16));
    }
}

QPixmap Draw(TDrawnImage image, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    const QColor ink = QGuiApplication::palette().color(QPalette::WindowText);
    switch (image) {
    case TDrawnImage::CopyPicture:
        DrawCopyPicture(p, ink);
        break;
    case TDrawnImage::CopyNote:
        DrawCopyNote(p, ink);
        break;
    case TDrawnImage::Slower:
        DrawDial(p, ink, false);
        break;
    case TDrawnImage::Faster:
        DrawDial(p, ink, true);
        break;
    }
    return pixmap;
}

} // namespace

QIcon DrawnImage(TDrawnImage image) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        icon.addPixmap(Draw(image, size));
    }
    return icon;
}
