#pragma once

#include "views/pointerform.h"

#include <QPixmap>

#include <array>

// Registers the pictures built into the program: the card faces under
// ":/cards" and the button, menu and program icons under ":/icons". The
// views are linked as a static library, so this must run once before the
// first window is made; running it again does no harm.
void InitBuiltInPictures();

// The deck: a window that is made at start-up and never shown. It holds the
// 56 picture slots `CardPictures`, decoded once: slot n (1 to 52) shows card
// n, clubs, diamonds, hearts, spades, each from the two up to the ace;
// slots 53 to 55 are empty and slot 56 is the blank that clears a place.
class TForm2 : public TPointerform {
    Q_OBJECT
public:
    static constexpr int SlotCount = 56;
    static constexpr int BlankSlot = 56;
    static constexpr QSize PictureSize{73, 97};

    explicit TForm2(QWidget* mainWindow = nullptr);

    // The picture of `slot` for a screen of the given device pixel ratio:
    // above 1 the double-resolution face, otherwise the plain one. Both are
    // 73 x 97 device-independent pixels. Slots 53 to 55 give a null pixmap.
    const QPixmap& CardPicture(int slot, qreal devicePixelRatio = 1.0) const;

private:
    struct Picture {
        QPixmap plain;
        QPixmap doubled;
    };

    void LayOutImages();

    std::array<Picture, SlotCount> CardPictures;
};
