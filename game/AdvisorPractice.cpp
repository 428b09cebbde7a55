#include "game/AdvisorPractice.h"

#include "game/GradeText.h"
#include "game/TableWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {


bool IsRed(vel::Card card)
{
    return vel::SuitOf(card) == 1 || vel::SuitOf(card) == 2; // diamonds, hearts
}

} // namespace

TPracticePage::TPracticePage(vel::PracticeSession& practice, QWidget* parent)
    : QWidget(parent)
    , practice_(practice)
    , dealKind_(new QComboBox(this))
    , payTableLabel_(new QLabel(this))
    , gradeButton_(new QPushButton(this))
    , gradeLabel_(new QLabel(this))
    , scoreLabel_(new QLabel(this))
{
    CreateCards();
    dealKind_->setObjectName(QStringLiteral("PracticeDealKind"));
    dealKind_->addItems({tr("Every hand as it comes"), tr("Close calls only")});
    dealKind_->setToolTip(tr("Close calls: the best hold beats the next best by less than 0.1 credits per credit bet"));
    connect(dealKind_, &QComboBox::currentIndexChanged, &practice_, [this](int kind) {
        practice_.SetDealKind(static_cast<vel::PracticeSession::DealKind>(kind));
    });
    payTableLabel_->setObjectName(QStringLiteral("PracticePayTable"));
    payTableLabel_->setWordWrap(true);
    gradeButton_->setObjectName(QStringLiteral("PracticeButton"));
    connect(gradeButton_, &QPushButton::clicked, this, &TPracticePage::GradeOrDeal);
    gradeLabel_->setObjectName(QStringLiteral("PracticeGrade"));
    gradeLabel_->setWordWrap(true);
    gradeLabel_->setTextFormat(Qt::RichText);
    scoreLabel_->setObjectName(QStringLiteral("PracticeScore"));
    scoreLabel_->setWordWrap(true);
    scoreLabel_->setTextFormat(Qt::RichText);
    CreateShortcuts();
    LayOutControls();
    connect(&practice_, &vel::PracticeSession::handDealt, this, &TPracticePage::ShowHand);
    connect(&practice_, &vel::PracticeSession::holdsChanged, this, &TPracticePage::ShowHolds);
    connect(&practice_, &vel::PracticeSession::graded, this, &TPracticePage::ShowGrade);
    connect(&practice_, &vel::PracticeSession::chartLinesChanged, this, &TPracticePage::ShowGrade);
    ShowHand();
}

void TPracticePage::SetPayTable(const vel::PayTable& pays, int bet, const QString& name)
{
    practice_.SetPayTable(pays, bet);
    payTableLabel_->setText(tr("Graded on %1 at a bet of %2.").arg(name, QLocale().toString(bet)));
}

// The first hand comes when the page is first shown, so that a closed
// advisor costs nothing.
void TPracticePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!practice_.Advice())
        practice_.Deal();
    gradeButton_->setFocus();
}

// Cards take no focus: the keys 1 to 5 hold them, and the focus stays on
// the button that Enter stands for.
void TPracticePage::CreateCards()
{
    QFont big = font();
    big.setPixelSize(QFontInfo(font()).pixelSize() * 2);
    big.setBold(true);
    const QFontMetrics metrics(big);
    int widest = 0;
    for (vel::Card card = 1; card <= vel::StandardDeckSize; ++card)
        widest = std::max(widest, metrics.horizontalAdvance(vel::CardSymbol(card)));
    const int narrowest = widest + metrics.height() / 4;
    for (int place = 1; place <= 5; ++place) {
        auto* card = new QToolButton(this);
        card->setObjectName(QStringLiteral("PracticeCard%1").arg(place));
        card->setCheckable(true);
        card->setFocusPolicy(Qt::NoFocus);
        card->setFont(big);
        // Wider where the advisor has room, as narrow as the corners allow where not.
        card->setMinimumWidth(narrowest);
        card->setMaximumWidth(narrowest * 3 / 2);
        card->setFixedHeight(narrowest * 3 / 2);
        card->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(card, &QToolButton::clicked, this, [this, place] {
            if (!practice_.ToggleHold(place))
                ShowHolds(); // a graded hand keeps its holds
        });
        cards_[place - 1] = card;
        auto* marker = new QLabel(this);
        marker->setObjectName(QStringLiteral("PracticeHold%1").arg(place));
        marker->setAlignment(Qt::AlignCenter);
        holdMarkers_[place - 1] = marker;
    }
}

void TPracticePage::CreateShortcuts()
{
    for (int place = 1; place <= 5; ++place) {
        auto* key = new QShortcut(QKeySequence(Qt::Key_0 + place), this);
        connect(key, &QShortcut::activated, &practice_, [this, place] { practice_.ToggleHold(place); });
    }
    auto* enter = new QShortcut(this);
    enter->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    connect(enter, &QShortcut::activated, this, &TPracticePage::GradeOrDeal);
}

void TPracticePage::LayOutControls()
{
    auto* cards = new QGridLayout;
    for (int place = 0; place < 5; ++place) {
        cards->addWidget(cards_[place], 0, place);
        cards->addWidget(holdMarkers_[place], 1, place);
    }
    auto* kindLabel = new QLabel(tr("D&eal:"), this);
    kindLabel->setBuddy(dealKind_);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(kindLabel);
    kindRow->addWidget(dealKind_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kindRow);
    layout->addWidget(payTableLabel_);
    layout->addLayout(cards);
    layout->addWidget(gradeButton_, 0, Qt::AlignHCenter);
    layout->addWidget(gradeLabel_);
    layout->addStretch(1);
    layout->addWidget(scoreLabel_);
}

void TPracticePage::GradeOrDeal()
{
    if (practice_.HandWaiting())
        practice_.Grade();
    else
        practice_.Deal();
}

void TPracticePage::ShowHand()
{
    const std::optional<vel::HandAdvice>& advice = practice_.Advice();
    for (int place = 0; place < 5; ++place) {
        QToolButton* card = cards_[place];
        card->setVisible(advice.has_value());
        if (!advice)
            continue;
        const vel::Card dealt = advice->dealt[place];
        card->setText(vel::CardSymbol(dealt));
        card->setAccessibleName(CardName(dealt));
        QPalette colors = palette();
        if (IsRed(dealt))
            colors.setColor(QPalette::ButtonText, QColor(192, 0, 0));
        card->setPalette(colors);
    }
    gradeLabel_->setText(tr("Hold the cards you would keep (keys 1 to 5 or a click), then press Enter."));
    ShowHolds();
    ShowScore();
    if (advice)
        Announce(tr("Dealt: %1").arg(gradetext::SpokenHold(advice->dealt, vel::AllPlaces)));
}

void TPracticePage::ShowHolds()
{
    const bool waiting = practice_.HandWaiting();
    const unsigned held = practice_.HeldMask();
    for (int place = 0; place < 5; ++place) {
        const bool isHeld = held >> place & 1;
        cards_[place]->setChecked(isHeld);
        holdMarkers_[place]->setText(isHeld ? tr("HOLD") : QString());
    }
    gradeButton_->setText(waiting ? tr("Grade my hold (Enter)") : tr("Next hand (Enter)"));
    if (waiting && practice_.Advice())
        Announce(tr("Held: %1").arg(held ? gradetext::SpokenHold(practice_.Advice()->dealt, held) : tr("nothing")));
}

void TPracticePage::ShowGrade()
{
    const std::optional<vel::GradedHand>& grade = practice_.LastGrade();
    if (!grade)
        return;
    gradeLabel_->setText(gradetext::GradeHtml(*grade));
    ShowHolds();
    ShowScore();
    Announce(gradetext::SpokenGrade(*grade));
}

void TPracticePage::ShowScore()
{
    const vel::MistakeLog& log = practice_.Log();
    QString score = tr("Your practice so far. %1").arg(gradetext::Summary(log));
    const std::vector<const vel::GradedHand*> costliest = log.Costliest();
    if (!costliest.empty())
        score += QStringLiteral("<br>") + tr("Costliest mistakes:");
    for (std::size_t i = 0; i < std::min<std::size_t>(costliest.size(), 3); ++i) {
        const vel::GradedHand& hand = *costliest[i];
        score += QStringLiteral("<br>")
                 + tr("%1 held %2: %3 credits").arg(vel::HoldHtml(hand.advice.dealt, vel::AllPlaces),
                                                   vel::HoldHtml(hand.advice.dealt, *hand.advice.playedMask),
                                                   vel::Credits(hand.Cost()));
    }
    scoreLabel_->setText(score);
}

void TPracticePage::Announce(const QString& text)
{
    QWidget* focused = window()->focusWidget();
    (focused && isAncestorOf(focused) ? focused : gradeButton_)->setAccessibleDescription(text);
}
