#include "game/TableWidgets.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

bool IsClickInside(const QWidget* widget, const QMouseEvent* event)
{
    return event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
}

// A card place reads as a toggle button to a screen reader: its name is
// the card, checked while the card is held, and pressing it holds.
class CardPlaceAccessible : public QAccessibleWidget {
public:
    explicit CardPlaceAccessible(TCardPanel* panel)
        : QAccessibleWidget(panel, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Panel()->Held();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit Panel()->clicked();
    }

private:
    TCardPanel* Panel() const { return static_cast<TCardPanel*>(widget()); }
};

QAccessibleInterface* CardPlaceFactory(const QString& className, QObject* object)
{
    auto* panel = qobject_cast<TCardPanel*>(object);
    return className == QLatin1String("TCardPanel") && panel ? new CardPlaceAccessible(panel) : nullptr;
}

} // namespace

QString CardName(vel::Card card)
{
    static const char* const ranks[] = {
        QT_TRANSLATE_NOOP("Card", "Two"),  QT_TRANSLATE_NOOP("Card", "Three"), QT_TRANSLATE_NOOP("Card", "Four"),
        QT_TRANSLATE_NOOP("Card", "Five"), QT_TRANSLATE_NOOP("Card", "Six"),   QT_TRANSLATE_NOOP("Card", "Seven"),
        QT_TRANSLATE_NOOP("Card", "Eight"), QT_TRANSLATE_NOOP("Card", "Nine"), QT_TRANSLATE_NOOP("Card", "Ten"),
        QT_TRANSLATE_NOOP("Card", "Jack"), QT_TRANSLATE_NOOP("Card", "Queen"), QT_TRANSLATE_NOOP("Card", "King"),
        QT_TRANSLATE_NOOP("Card", "Ace")};
    static const char* const suits[] = {QT_TRANSLATE_NOOP("Card", "Clubs"), QT_TRANSLATE_NOOP("Card", "Diamonds"),
                                        QT_TRANSLATE_NOOP("Card", "Hearts"), QT_TRANSLATE_NOOP("Card", "Spades")};
    return QCoreApplication::translate("Card", "%1 of %2")
        .arg(QCoreApplication::translate("Card", ranks[vel::RankOf(card)]),
             QCoreApplication::translate("Card", suits[vel::SuitOf(card)]));
}

TCardImage::TCardImage(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TCardImage::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void TCardImage::SetStretch(bool stretch)
{
    if (stretch_ == stretch)
        return;
    stretch_ = stretch;
    update();
}

void TCardImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
        return;
    }
    const QSize natural = picture_.deviceIndependentSize().toSize();
    const QPoint topLeft((width() - natural.width()) / 2, (height() - natural.height()) / 2);
    painter.drawPixmap(topLeft, picture_);
}

void TCardImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsClickInside(this, event))
        emit clicked();
}

constexpr int PanelBorder = 2;

TCardPanel::TCardPanel(QWidget* parent)
    : QWidget(parent), client_(new QWidget(this)), image_(new TCardImage(client_))
{
    static const bool factoryInstalled = (QAccessible::installFactory(CardPlaceFactory), true);
    Q_UNUSED(factoryInstalled);
    setAccessibleName(tr("empty"));
}

void TCardPanel::resizeEvent(QResizeEvent*)
{
    client_->setGeometry(rect().adjusted(PanelBorder, PanelBorder, -PanelBorder, -PanelBorder));
}

void TCardPanel::SetColor(const QColor& color)
{
    if (color_ == color)
        return;
    color_ = color;
    update();
}

void TCardPanel::SetCard(vel::Card card)
{
    card_ = card;
    UpdateAccessibleName();
}

void TCardPanel::SetHeld(bool held)
{
    if (held_ == held)
        return;
    held_ = held;
    UpdateAccessibleName();
    QAccessible::State checked;
    checked.checked = true;
    QAccessibleStateChangeEvent change(this, checked);
    QAccessible::updateAccessibility(&change);
}

void TCardPanel::UpdateAccessibleName()
{
    QString name = card_ > 0 ? CardName(card_) : tr("empty");
    if (card_ > 0 && held_)
        name = tr("%1, held").arg(name);
    if (name != accessibleName())
        setAccessibleName(name);
}

void TCardPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    // A sunken bevel: dark above and left, light below and right.
    const QPalette& pal = palette();
    const QRect r = rect();
    const QColor outerDark = pal.color(QPalette::Dark), innerDark = pal.color(QPalette::Shadow);
    const QColor outerLight = pal.color(QPalette::Light), innerLight = pal.color(QPalette::Midlight);
    for (int i = 0; i < PanelBorder; ++i) {
        const QRect edge = r.adjusted(i, i, -i, -i);
        painter.setPen(i == 0 ? outerDark : innerDark);
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        painter.setPen(i == 0 ? outerLight : innerLight);
        painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
    }
}

void TCardPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsClickInside(this, event))
        emit clicked();
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (IsClickInside(this, event))
        emit clicked();
}

TTableClient::TTableClient(QWidget* parent)
    : QWidget(parent), color_(palette().color(QPalette::Button))
{
}

void TTableClient::SetColor(const QColor& color)
{
    color_ = color;
    update();
    emit colorChanged(color);
}

void TTableClient::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), color_);
}
