#include "Icons.h"

#include "Pips.h"

#include <QPainter>
#include <QRegularExpression>

namespace {

constexpr QRgb FrameGrey = 0xff606060;
constexpr QRgb FaceGrey = 0xfff0f0f0;
constexpr QRgb TitleBlue = 0xff1c40b0;

void SquareFrame(QPainter& painter)
{
    painter.setPen(QPen(QColor(FrameGrey), 1.0));
    painter.setBrush(QColor(FaceGrey));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
}

void DrawPlay(QPainter& painter)
{
    SquareFrame(painter);
    painter.setPen(QPen(QColor(0, 90, 0), 0.8));
    painter.setBrush(QColor(0, 150, 0));
    painter.drawPolygon(QPolygonF({{5.5, 4.0}, {12.0, 8.0}, {5.5, 12.0}}));
}

void DrawPause(QPainter& painter)
{
    SquareFrame(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(TitleBlue));
    painter.drawRect(QRectF(5, 4, 2, 8));
    painter.drawRect(QRectF(9, 4, 2, 8));
}

void DrawCalculator(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(QColor(88, 92, 104));
    painter.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
    painter.setPen(QPen(QColor(40, 60, 40), 0.6));
    painter.setBrush(QColor(196, 228, 188));
    painter.drawRect(QRectF(4.0, 2.0, 8, 3.5));
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const bool equals = row == 2 && column == 2;
            painter.setBrush(equals ? QColor(232, 120, 0) : QColor(236, 236, 236));
            painter.drawRect(QRectF(4.0 + 3 * column, 7.0 + 2.7 * row, 2, 1.8));
        }
}

void DrawPayoutGrid(QPainter& painter)
{
    painter.setPen(QPen(QColor(FrameGrey), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0.5, 1.5, 15, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(TitleBlue));
    painter.drawRect(QRectF(1, 2, 14, 3));
    painter.setPen(QPen(QColor(150, 150, 150), 1.0));
    for (const qreal x : {5.5, 10.5})
        painter.drawLine(QPointF(x, 5), QPointF(x, 14));
    for (const qreal y : {8.5, 11.5})
        painter.drawLine(QPointF(1, y), QPointF(15, y));
}

void DrawPrinter(QPainter& painter)
{
    painter.setPen(QPen(QColor(FrameGrey), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5));
    painter.setBrush(QColor(176, 176, 184));
    painter.drawRoundedRect(QRectF(0.5, 6.5, 15, 6), 1.5, 1.5);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3.5, 10.5, 9, 5));
    painter.setPen(QPen(QColor(120, 120, 120), 1.0));
    painter.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
    painter.drawLine(QPointF(5, 14.5), QPointF(9, 14.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 190, 0));
    painter.drawRect(QRectF(12, 8, 2, 1.5));
}

void DrawHelp(QPainter& painter)
{
    painter.setPen(QPen(QColor(176, 128, 0), 1.0));
    painter.setBrush(QColor(255, 214, 0));
    painter.drawEllipse(QPointF(8, 8), 7.3, 7.3);
    QPainterPath mark(QPointF(5.6, 6.2));
    mark.cubicTo(5.6, 3.2, 10.6, 3.2, 10.6, 6.0);
    mark.cubicTo(10.6, 7.8, 8.2, 8.0, 8.2, 10.2);
    painter.setPen(QPen(QColor(0, 0, 140), 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 140));
    painter.drawRect(QRectF(7.2, 11.3, 2, 2));
}

void DrawOpenBook(QPainter& painter)
{
    painter.setPen(QPen(QColor(10, 30, 100), 0.8));
    painter.setBrush(QColor(TitleBlue));
    painter.drawPolygon(QPolygonF({{0.5, 4.0}, {8.0, 5.5}, {15.5, 4.0}, {15.5, 14.0}, {8.0, 15.5}, {0.5, 14.0}}));
    painter.setPen(QPen(QColor(FrameGrey), 0.6));
    painter.setBrush(Qt::white);
    for (const qreal side : {-1.0, 1.0})
        painter.drawPolygon(QPolygonF({{8.0, 4.5}, {8.0 + side * 6.0, 2.5}, {8.0 + side * 6.0, 12.5},
                                       {8.0, 14.3}}));
    painter.setPen(QPen(QColor(140, 160, 210), 0.8));
    for (const qreal side : {-1.0, 1.0})
        for (const qreal y : {5.5, 7.5, 9.5, 11.5})
            painter.drawLine(QPointF(8.0 + side * 1.5, y + 0.4), QPointF(8.0 + side * 5.0, y - 0.6));
}

QImage Render(void (*draw)(QPainter&), int scale)
{
    QImage image(16 * scale, 16 * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    return image;
}

} // namespace

std::vector<IconPicture> RenderToolIcons(int scale)
{
    return {
        {QStringLiteral("draw"), Render(DrawPlay, scale)},
        {QStringLiteral("bet"), Render(DrawCalculator, scale)},
        {QStringLiteral("payouts"), Render(DrawPayoutGrid, scale)},
        {QStringLiteral("pause"), Render(DrawPause, scale)},
        {QStringLiteral("printer"), Render(DrawPrinter, scale)},
        {QStringLiteral("help"), Render(DrawHelp, scale)},
        {QStringLiteral("strategy"), Render(DrawOpenBook, scale)},
    };
}

namespace {

// A thin light rim keeps the black spade visible on dark panels.
constexpr QRgb SpadeRim = 0xfff4f4f4;

qreal SpadeRimWidth(int size)
{
    return qMax(1.5, size / 48.0);
}

// The spade in the pixels of a square of `size`, a little taller than wide,
// with a thin margin that leaves room for the outer half of the rim.
QPainterPath SpadeIconPath(int size)
{
    const qreal height = size * 0.94, width = height * 0.84;
    QTransform place;
    place.translate((size - width) / 2, (size - height) / 2);
    place.scale(width, height);
    return place.map(SuitOutline(Suit::Spades));
}

QString SvgNumber(qreal value)
{
    return QString::number(value, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString SvgPoint(const QPainterPath::Element& point)
{
    return SvgNumber(point.x) + u',' + SvgNumber(point.y);
}

} // namespace

QImage RenderSpadeIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(SpadeRim), SpadeRimWidth(size), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    painter.drawPath(SpadeIconPath(size));
    return image;
}

QByteArray SpadeIconSvg()
{
    constexpr int Size = 256;
    const QPainterPath path = SpadeIconPath(Size);
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element point = path.elementAt(i);
        switch (point.type) {
        case QPainterPath::MoveToElement:
            data += QStringLiteral("M %1").arg(SvgPoint(point));
            break;
        case QPainterPath::LineToElement:
            data += QStringLiteral("\n           L %1").arg(SvgPoint(point));
            break;
        case QPainterPath::CurveToElement:
            data += QStringLiteral("\n           C %1 %2 %3")
                        .arg(SvgPoint(point), SvgPoint(path.elementAt(i + 1)), SvgPoint(path.elementAt(i + 2)));
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            qFatal("curve data without its curve");
        }
    }
    const QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- vel Zezuv program icon: a black spade with a thin light rim; drawn by tools/cardgen -->\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
        "  <path fill=\"#000000\" stroke=\"%2\" stroke-width=\"%3\" stroke-linejoin=\"round\"\n"
        "        d=\"%4 Z\"/>\n"
        "</svg>\n")
                            .arg(Size)
                            .arg(QColor(SpadeRim).name(), SvgNumber(SpadeRimWidth(Size)), data);
    return svg.toUtf8();
}
