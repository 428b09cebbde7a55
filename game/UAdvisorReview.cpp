// The advisor's pages for learning: practice, the mistakes and the graph.
#include "game/UAdvisor.h"

#include "game/AdvisorGraph.h"
#include "game/AdvisorMistakes.h"
#include "game/AdvisorPractice.h"
#include "game/GameReview.h"
#include "game/GradeText.h"
#include "game/PracticeSession.h"
#include "game/TableRound.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr unsigned AllPlaces = 0x1F;

} // namespace

void TAdvisorForm::CreateReviewPages()
{
    practice_ = new vel::PracticeSession(this);
    review_ = new vel::GameReview(session_, this);
    practicePage_ = new TPracticePage(*practice_, tabs_);
    tabs_->addTab(practicePage_, tr("P&ractice"));
    mistakesPage_ = new TMistakesPage(review_->Log(), practice_->Log(), tabs_);
    tabs_->addTab(mistakesPage_, tr("&Mistakes"));
    graphPage_ = new TGraphPage(*review_, tabs_);
    tabs_->addTab(graphPage_, tr("&Graph"));
    for (auto changed : {&vel::GameReview::handReviewed, &vel::GameReview::chartLinesChanged, &vel::GameReview::cleared})
        connect(review_, changed, mistakesPage_, &TMistakesPage::ShowLogs);
    for (auto changed : {&vel::PracticeSession::graded, &vel::PracticeSession::chartLinesChanged})
        connect(practice_, changed, mistakesPage_, &TMistakesPage::ShowLogs);
    connect(mistakesPage_, &TMistakesPage::handChosen, this, &TAdvisorForm::ShowGradedHand);
    connect(&session_.Round(), &vel::TableRound::scheduleChanged, this, &TAdvisorForm::PracticeOnTableInForce);
    connect(&session_.Round(), &vel::TableRound::betChanged, this, &TAdvisorForm::PracticeOnTableInForce);
    PracticeOnTableInForce();
}

bool TAdvisorForm::PlaysPracticeKeys() const
{
    return tabs_->currentWidget() == practicePage_;
}

// The practice follows the schedule and bet the table offers.
void TAdvisorForm::PracticeOnTableInForce()
{
    practicePage_->SetPayTable(session_.Round().Pays(), session_.Round().State().ChosenBet);
}

// The mistake's hand on This Hand, with every way to hold it; the next hand
// on the table takes its place.
void TAdvisorForm::ShowGradedHand(const vel::GradedHand& hand)
{
    const vel::Hand& dealt = hand.advice.dealt;
    const QString heading = tr("Mistake under review, hand %1 as dealt: %2");
    const QString order = QLocale().toString(hand.order);
    handLabel_->setText(heading.arg(order, vel::HoldHtml(dealt, AllPlaces)));
    handLabel_->setAccessibleName(heading.arg(order, gradetext::SpokenHold(dealt, AllPlaces)));
    adviceLabel_->setText(tr("Your hold gave up %1 credits against %2.")
                              .arg(vel::Credits(hand.Cost()), vel::HoldHtml(dealt, hand.advice.Best().holdMask)));
    adviceLabel_->setAccessibleName(QString());
    holdButton_->setEnabled(false);
    ShowHolds(hand.advice);
    tabs_->setCurrentWidget(handPage_);
}
