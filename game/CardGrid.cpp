#include "game/CardGrid.h"

#include "game/AdvisorSession.h"
#include "game/TableWidgets.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int Ranks = 13;
constexpr int Suits = vel::StandardDeckSize / Ranks;

bool IsRed(vel::Card card)
{
    return vel::SuitOf(card) == 1 || vel::SuitOf(card) == 2; // diamonds, hearts
}

} // namespace

TCardGrid::TCardGrid(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    // A picked card stands out in the selection colours.
    setStyleSheet(QStringLiteral("QToolButton:checked { background-color: palette(highlight); "
                                 "color: palette(highlighted-text); border: 1px solid palette(shadow); "
                                 "border-radius: 2px; }"));
    for (vel::Card card = 1; card <= vel::StandardDeckSize; ++card) {
        auto* button = new QToolButton(this);
        button->setText(vel::CardSymbol(card));
        button->setAccessibleName(CardName(card));
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        button->setFocusPolicy(card == 1 ? Qt::StrongFocus : Qt::ClickFocus);
        if (IsRed(card)) {
            QPalette palette = button->palette();
            palette.setColor(QPalette::ButtonText, QColor(192, 0, 0));
            button->setPalette(palette);
        }
        button->installEventFilter(this);
        grid->addWidget(button, vel::SuitOf(card), vel::RankOf(card));
        connect(button, &QToolButton::toggled, this, [this, card](bool picked) { emit toggled(card, picked); });
        buttons_[static_cast<std::size_t>(card - 1)] = button;
    }
}

void TCardGrid::ShowPicked(std::span<const vel::Card> cards)
{
    for (vel::Card card = 1; card <= vel::StandardDeckSize; ++card) {
        QToolButton* button = Button(card);
        const QSignalBlocker quiet(button);
        button->setChecked(std::find(cards.begin(), cards.end(), card) != cards.end());
    }
}

// Arrows move along a row or a column and stop at its ends.
bool TCardGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto found = std::find(buttons_.begin(), buttons_.end(), watched);
    const int index = static_cast<int>(found - buttons_.begin());
    const int rank = index % Ranks;
    const int suit = index / Ranks;
    switch (key->key()) {
    case Qt::Key_Left: MoveFocusTo(suit * Ranks + std::max(rank - 1, 0)); return true;
    case Qt::Key_Right: MoveFocusTo(suit * Ranks + std::min(rank + 1, Ranks - 1)); return true;
    case Qt::Key_Up: MoveFocusTo(std::max(suit - 1, 0) * Ranks + rank); return true;
    case Qt::Key_Down: MoveFocusTo(std::min(suit + 1, Suits - 1) * Ranks + rank); return true;
    default: return QWidget::eventFilter(watched, event);
    }
}

void TCardGrid::MoveFocusTo(int index)
{
    buttons_[static_cast<std::size_t>(focusIndex_)]->setFocusPolicy(Qt::ClickFocus);
    focusIndex_ = index;
    QToolButton* button = buttons_[static_cast<std::size_t>(index)];
    button->setFocusPolicy(Qt::StrongFocus);
    button->setFocus(Qt::OtherFocusReason);
}
