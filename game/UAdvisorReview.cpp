// The advisor's pages for learning: practice, the mistakes and the graph.
#include "game/UAdvisor.h"

#include "game/AdvisorGraph.h"
#include "game/AdvisorMistakes.h"
#include "game/AdvisorPractice.h"
#include "game/GameReview.h"
#include "game/HoldsTable.h"
#include "game/PayTableChoice.h"
#include "game/PracticeSession.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>

void TAdvisorForm::CreateReviewPages()
{
    practice_ = new vel::PracticeSession(this);
    review_ = new vel::GameReview(session_, this);
    practicePage_ = new TPracticePage(*practice_, pages_);
    AddPage(practicePage_, tr("Pract&ice"));
    mistakesPage_ = new TMistakesPage(review_->Log(), practice_->Log(), pages_);
    AddPage(mistakesPage_, tr("&Mistakes"));
    graphPage_ = new TGraphPage(*review_, pages_);
    AddPage(graphPage_, tr("&Graph"));
    for (auto changed : {&vel::GameReview::handReviewed, &vel::GameReview::chartLinesChanged, &vel::GameReview::cleared})
        connect(review_, changed, mistakesPage_, &TMistakesPage::ShowLogs);
    for (auto changed : {&vel::PracticeSession::graded, &vel::PracticeSession::chartLinesChanged})
        connect(practice_, changed, mistakesPage_, &TMistakesPage::ShowLogs);
    connect(mistakesPage_, &TMistakesPage::handChosen, this, &TAdvisorForm::ShowGradedHand);
    connect(choice_, &TPayTableChoice::chosen, this, &TAdvisorForm::PracticeOnChosenTable);
    PracticeOnChosenTable();
}

// The practice is graded on the pay table and bet chosen above its page.
void TAdvisorForm::PracticeOnChosenTable()
{
    practicePage_->SetPayTable(choice_->Pays(), choice_->Bet(), choice_->Name());
}

// The mistake's hand on This Hand, its holds valued as they were graded and
// the hold played marked; the table's next hand takes its place.
void TAdvisorForm::ShowGradedHand(const vel::GradedHand& hand)
{
    const vel::Hand& dealt = hand.advice.dealt;
    const QString heading = tr("Mistake under review, hand %1 as dealt: %2");
    const QString order = QLocale().toString(hand.order);
    shownHand_ = dealt;
    handLabel_->setText(heading.arg(order, vel::HoldHtml(dealt, vel::AllPlaces)));
    handLabel_->setAccessibleName(heading.arg(order, CardNames(dealt, vel::AllPlaces).join(QStringLiteral(", "))));
    adviceLabel_->setText(tr("Your hold gave up %1 credits against %2.")
                              .arg(vel::Credits(hand.Cost()), vel::HoldHtml(dealt, hand.advice.Best().holdMask)));
    adviceLabel_->setAccessibleName(QString());
    holdButton_->setEnabled(false);
    analyseButton_->setEnabled(true);
    holdsTable_->ShowHolds(hand.advice);
    tabs_->setCurrentIndex(HandPage);
}
