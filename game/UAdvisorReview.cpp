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
#include <QTabWidget>

// One tab of the advisor holds the three, so that its tabs fit beside the table.
void TAdvisorForm::CreateReviewPages()
{
    practice_ = new vel::PracticeSession(this);
    review_ = new vel::GameReview(session_, this);
    trainingTabs_ = new QTabWidget(pages_);
    trainingTabs_->setObjectName(QStringLiteral("TrainingTabs"));
    practicePage_ = new TPracticePage(*practice_, trainingTabs_);
    trainingTabs_->addTab(practicePage_, tr("Practice"));
    mistakesPage_ = new TMistakesPage(review_->Log(), practice_->Log(), trainingTabs_);
    trainingTabs_->addTab(mistakesPage_, tr("&Mistakes"));
    graphPage_ = new TGraphPage(*review_, trainingTabs_);
    trainingTabs_->addTab(graphPage_, tr("&Graph"));
    AddPage(trainingTabs_, tr("Tra&ining"));
    connect(trainingTabs_, &QTabWidget::currentChanged, this, &TAdvisorForm::ShowChoice);
    for (auto changed : {&vel::GameReview::handReviewed, &vel::GameReview::chartLinesChanged, &vel::GameReview::cleared})
        connect(review_, changed, mistakesPage_, &TMistakesPage::ShowLogs);
    for (auto changed : {&vel::PracticeSession::graded, &vel::PracticeSession::chartLinesChanged})
        connect(practice_, changed, mistakesPage_, &TMistakesPage::ShowLogs);
    connect(mistakesPage_, &TMistakesPage::handChosen, this, &TAdvisorForm::ShowGradedHand);
    connect(choice_, &TPayTableChoice::chosen, this, &TAdvisorForm::PracticeOnChosenTable);
    PracticeOnChosenTable();
}

bool TAdvisorForm::PracticeShown() const
{
    return tabs_->currentIndex() == TrainingPage && trainingTabs_->currentWidget() == practicePage_;
}

void TAdvisorForm::ShowChoice()
{
    choice_->setVisible(tabs_->currentIndex() != HandPage
                        && (tabs_->currentIndex() != TrainingPage || PracticeShown()));
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
    handLabel_->setAccessibleName(heading.arg(order, CardNames(dealt, vel::AllPlaces)));
    adviceLabel_->setText(tr("Your hold gave up %1 credits against %2.")
                              .arg(vel::Credits(hand.Cost()), vel::HoldHtml(dealt, hand.advice.Best().holdMask)));
    adviceLabel_->setAccessibleName(QString());
    holdButton_->setEnabled(false);
    analyseButton_->setEnabled(true);
    holdsTable_->ShowHolds(hand.advice);
    tabs_->setCurrentIndex(HandPage);
}
