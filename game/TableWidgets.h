#pragma once

#include "engine/Cards.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

// The picture box of a card place: draws its picture centred at natural
// size, or stretched to fill the box; transparent pixels let the place
// colour show through.
class TCardImage : public QWidget {
    Q_OBJECT
public:
    explicit TCardImage(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }
    void SetStretch(bool stretch);
    bool Stretch() const { return stretch_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
};

// A card place: a coloured panel with a sunken two-pixel border. The picture
// box is placed inside the border, as the panel's client area. The accessible
// name tells a screen reader what the place shows.
class TCardPanel : public QWidget {
    Q_OBJECT
public:
    explicit TCardPanel(QWidget* parent = nullptr);

    void SetColor(const QColor& color);
    QColor Color() const { return color_; }
    // Card 1..52, or 0 for an empty place.
    void SetCard(vel::Card card);
    void SetHeld(bool held);
    vel::Card Card() const { return card_; }
    bool Held() const { return held_; }
    TCardImage* Image() const { return image_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateAccessibleName();

    QColor color_;
    vel::Card card_ = 0;
    bool held_ = false;
    QWidget* client_;
    TCardImage* image_;
};

// The table's background; the celebration flashes it. Labels drawn on it
// flash along, the card places and controls keep their own colours.
class TTableClient : public QWidget {
    Q_OBJECT
public:
    explicit TTableClient(QWidget* parent = nullptr);

    void SetColor(const QColor& color);
    QColor Color() const { return color_; }

signals:
    void colorChanged(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

// A label that reports clicks, used for the hold markers.
class TClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// "Ace of Spades", "Ten of Hearts"...
QString CardName(vel::Card card);
