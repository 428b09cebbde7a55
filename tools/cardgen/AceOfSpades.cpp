#include "CardFaces.h"

#include <QFont>
#include <QPainter>

// The ace of spades alone is drawn with smooth edges: its picture carries
// a full ramp of greys instead of the eight colours of the other faces.

namespace {

constexpr QRectF SpadeBox(11.5, 18.0, 50.0, 57.0);
constexpr qreal CentreX = 36.5;

QPainterPath SpadeIn(const QRectF& box)
{
    return QTransform(box.width(), 0, 0, box.height(), box.left(), box.top()).map(SuitOutline(Suit::Spades));
}

// The blade's outline again, smaller, as a white line inside it.
QPainterPath InnerContour()
{
    constexpr qreal shrink = 0.82;
    const QPointF centre(0.5, 0.46); // middle of the blade in the unit square
    QTransform transform;
    transform.translate(SpadeBox.left(), SpadeBox.top());
    transform.scale(SpadeBox.width(), SpadeBox.height());
    transform.translate(centre.x(), centre.y());
    transform.scale(shrink, shrink);
    transform.translate(-centre.x(), -centre.y());
    return transform.map(SpadeBladeOutline());
}

// A scroll that leaves the stem and curls up on one side; `side` is -1 or 1.
QPainterPath Scroll(qreal side)
{
    const qreal foot = SpadeBox.bottom() - 3.0;
    QPainterPath path(QPointF(CentreX + side * 7.0, foot));
    path.cubicTo(CentreX + side * 16.0, foot + 1.0, CentreX + side * 24.0, foot - 1.0,
                 CentreX + side * 25.0, foot - 7.0);
    path.cubicTo(CentreX + side * 25.5, foot - 10.5, CentreX + side * 21.0, foot - 11.0,
                 CentreX + side * 20.0, foot - 8.0);
    path.cubicTo(CentreX + side * 19.5, foot - 6.5, CentreX + side * 21.0, foot - 5.5,
                 CentreX + side * 22.0, foot - 6.5);
    return path;
}

// White tracery above the word: a lozenge with two tendrils.
QPainterPath Tracery()
{
    QPainterPath path;
    const qreal top = SpadeBox.top() + 15.0;
    path.moveTo(CentreX, top);
    path.lineTo(CentreX + 2.2, top + 5.0);
    path.lineTo(CentreX, top + 10.0);
    path.lineTo(CentreX - 2.2, top + 5.0);
    path.closeSubpath();
    for (const qreal side : {-1.0, 1.0}) {
        path.moveTo(CentreX, top + 11.5);
        path.cubicTo(CentreX + side * 4.0, top + 14.0, CentreX + side * 10.0, top + 12.0,
                     CentreX + side * 10.0, top + 7.5);
        path.cubicTo(CentreX + side * 10.0, top + 5.0, CentreX + side * 7.0, top + 4.5,
                     CentreX + side * 6.5, top + 7.0);
    }
    return path;
}

QPainterPath Word(int scale)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(11 * scale);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5 * scale);
    QPainterPath word;
    word.addText(0, 0, font, QStringLiteral("ACE"));
    const QRectF bounds = word.boundingRect();
    const QPointF centre(CentreX * scale, (SpadeBox.top() + 35.5) * scale);
    return QTransform::fromScale(1.0 / scale, 1.0 / scale).map(word.translated(centre - bounds.center()));
}

} // namespace

void DrawAceOfSpades(Canvas& canvas)
{
    QPainter painter(&canvas.Image());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(canvas.Scale(), canvas.Scale());
    const QPen scrollPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap);
    painter.strokePath(Scroll(-1), scrollPen);
    painter.strokePath(Scroll(1), scrollPen);
    painter.fillPath(SpadeIn(SpadeBox), Qt::black);
    painter.strokePath(InnerContour(), QPen(Qt::white, 0.8));
    painter.fillPath(Word(canvas.Scale()), Qt::white);
    painter.strokePath(Tracery(), QPen(Qt::white, 0.9, Qt::SolidLine, Qt::RoundCap));
}
