#include "views/Unit2.h"

#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

void InitBuiltInPictures()
{
    Q_INIT_RESOURCE(cards);
    Q_INIT_RESOURCE(icons);
}

namespace {

constexpr int CardCount = 52;
constexpr int ImagesPerRow = 13;

QPixmap DecodeFace(int card, int ratio)
{
    const QString name = ratio == 1 ? QStringLiteral(":/cards/%1.gif") : QStringLiteral(":/cards/%1@2x.gif");
    QImage face = QImageReader(name.arg(card)).read();
    face.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(face);
}

QPixmap Blank(int ratio)
{
    QPixmap blank(TForm2::PictureSize * ratio);
    blank.fill(Qt::transparent);
    blank.setDevicePixelRatio(ratio);
    return blank;
}

} // namespace

TForm2::TForm2(QWidget* mainWindow)
    : TPointerform(mainWindow, tr("velPoker - Deck"), Border::FixedDialog)
{
    InitBuiltInPictures();
    for (int card = 1; card <= CardCount; ++card)
        CardPictures[card - 1] = {DecodeFace(card, 1), DecodeFace(card, 2)};
    CardPictures[BlankSlot - 1] = {Blank(1), Blank(2)};
    LayOutImages();
}

const QPixmap& TForm2::CardPicture(int slot, qreal devicePixelRatio) const
{
    Q_ASSERT(slot >= 1 && slot <= SlotCount);
    const Picture& picture = CardPictures[slot - 1];
    return devicePixelRatio > 1.0 ? picture.doubled : picture.plain;
}

// Image1 to Image56 in rows of 13, the way the deck is laid out for
// anyone who opens the window.
void TForm2::LayOutImages()
{
    auto* grid = new QGridLayout(this);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image%1").arg(slot));
        image->setFixedSize(PictureSize);
        image->setPixmap(CardPicture(slot, devicePixelRatioF()));
        grid->addWidget(image, (slot - 1) / ImagesPerRow, (slot - 1) % ImagesPerRow);
    }
}
