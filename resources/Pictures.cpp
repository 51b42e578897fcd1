#include "resources/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
QFont pixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void drawHull(QPainter& p) {
    QPainterPath hull;
    hull.moveTo(30, 126);
    hull.lineTo(30, 50);
    hull.lineTo(66, 5);
    hull.lineTo(101, 50);
    hull.lineTo(101, 126);
    hull.closeSubpath();
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(hull);
}

// One pixel wide and crisp: smoothed, a line on whole coordinates would smear
// into two grey rows.
void drawReferenceLines(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(3, 5, 59, 5);
    p.drawLine(3, 90, 53, 90);
    p.drawLine(3, 127, 29, 127);
    p.drawLine(58, 90, 58, 144);
    p.drawLine(29, 130, 29, 144);
    p.drawLine(103, 130, 103, 144);
    p.restore();
}

void drawLetters(QPainter& p) {
    p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 10, true));
    p.drawText(QRect(40, 53, 36, 11), Qt::AlignCenter, QStringLiteral("GNSS"));
    p.drawText(QRect(40, 65, 36, 11), Qt::AlignCenter, QStringLiteral("ANT"));
    p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 11, true));
    p.drawText(QRect(10, 49, 14, 12), Qt::AlignCenter, QStringLiteral("A"));
    p.drawText(QRect(10, 105, 14, 12), Qt::AlignCenter, QStringLiteral("B"));
    p.drawText(QRect(36, 132, 14, 12), Qt::AlignCenter, QStringLiteral("C"));
    p.drawText(QRect(74, 132, 14, 12), Qt::AlignCenter, QStringLiteral("D"));
}
} // namespace

QImage BannerPicture() {
    QImage image(600, 60, QImage::Format_RGB888);
    QPainter p(&image);
    QLinearGradient sea(0, 0, 600, 0);
    sea.setColorAt(0, QColor(0x0B, 0x2E, 0x59));
    sea.setColorAt(1, QColor(0x1C, 0x7C, 0x8C));
    p.fillRect(image.rect(), sea);
    p.setPen(QColor(0xE8, 0xF4, 0xF8));
    p.setFont(pixelFont(QStringLiteral("Tahoma"), 30, true));
    p.drawText(QRect(16, 6, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quorvane"));
    p.setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    p.drawText(QRect(300, 6, 284, 40), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("AIS unit identity programming"));
    return image;
}

QImage AntennaDiagram() {
    QImage image(110, 145, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawHull(p);
    drawReferenceLines(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(58, 90), 4.5, 4.5);
    p.setPen(Qt::black);
    drawLetters(p);
    return image;
}
