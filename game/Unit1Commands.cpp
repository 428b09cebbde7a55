// Start-up of the table, holds and keys, focus, and the commands that open
// the other windows.
#include "game/Unit1.h"

#include "game/AdvisorSession.h"
#include "game/Celebration.h"
#include "game/TableWidgets.h"
#include "game/UAdvisor.h"
#include "shell/SettingsLocation.h"
#include "shell/Unit6.h"
#include "views/DesignFont.h"
#include "views/Printing.h"
#include "views/SBPro.h"
#include "views/Unit3.h"
#include "views/Unit5.h"

#include <QFileInfo>
#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

void TForm1::InitializeMainWindow()
{
    settings_ = vel::Settings{};
    installedMode_ = !vel::IsPortableInstall(programPath_);
    settingsFile_ = std::make_unique<vel::SettingsFile>(vel::GetSettingsFolder(installedMode_, programPath_));
    form3_->SetSettingsFolder(settingsFile_->Folder());
    const QString media = FindMediaFolder(QFileInfo(programPath_).absolutePath());
    auto soundIn = [&media](const QString& name) {
        const QString path = media + QLatin1Char('/') + name;
        return !media.isEmpty() && QFileInfo::exists(path) ? path : QString();
    };
    tadaSound_ = soundIn(QStringLiteral("tada.wav"));
    chimesSound_ = soundIn(QStringLiteral("chimes.wav"));
    round_->SetSchedule(vel::DefaultPaySchedule);
    StatusBarPro1->LayoutStatusPanels(centralWidget()->width());
    settingsFile_->LoadSettings(settings_);
    round_->SetSchedule(settings_.Payout);
    round_->SetCelebrateLevel(settings_.CelebrateLevel);
    advisor_->ShowWarnCostlyDraw(settings_.WarnCostlyDraw);
    advisor_->SetKeptPayTables(settings_.PayTables);
    settingsFile_->SettingsChanged = false;
}

void TForm1::ComboBox1Change(int index)
{
    settingsFile_->SettingsChanged = true;
    round_->SetSchedule(index);
}

void TForm1::ToggleHold(int place)
{
    round_->ToggleHold(place);
}

// Sees every key of the table and of the advisor beside it before the
// focused control does: 1 to 5 toggle holds, Enter presses the live button;
// in the advisor Space also presses the table's focused button, so that
// play goes on from there as it would on the table. What is typed into the
// advisor's text boxes and cards, and on its Practice page, is theirs.
bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QMainWindow::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* window = widget->window();
    if (window != this && window != advisor_)
        return QMainWindow::eventFilter(watched, event);
    // A key reaches the focused control first, then its parents: act once.
    const QWidget* firstReceiver = window->focusWidget() ? window->focusWidget() : window;
    if (widget != firstReceiver || (window == advisor_ && advisor_->KeepsKeys(firstReceiver)))
        return QMainWindow::eventFilter(watched, event);
    return TableKey(*static_cast<QKeyEvent*>(event), window == advisor_) || QMainWindow::eventFilter(watched, event);
}

// True when the key was used up; on the table itself 1 to 5 go on to the
// focused control as well.
bool TForm1::TableKey(const QKeyEvent& key, bool fromAdvisor)
{
    const QString text = key.text();
    if (text.size() == 1 && text[0] >= QLatin1Char('1') && text[0] <= QLatin1Char('5')) {
        ToggleHold(text[0].digitValue());
        return fromAdvisor;
    }
    QPushButton* live = round_->DrawIsDefault() ? (round_->DrawOffered() ? BitBtn1 : nullptr)
                                                : (round_->BetOffered() ? BitBtn2 : nullptr);
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        if (live)
            live->click();
        return live || fromAdvisor;
    }
    if (fromAdvisor && key.key() == Qt::Key_Space && !key.isAutoRepeat()) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        return true;
    }
    return false;
}

// Back on the table, the focus goes to whichever of Draw and Bet is live.
void TForm1::FocusLiveButton()
{
    if (round_->DrawOffered())
        BitBtn1->setFocus();
    if (round_->BetOffered())
        BitBtn2->setFocus();
}

void TForm1::mouseReleaseEvent(QMouseEvent* event)
{
    QMainWindow::mouseReleaseEvent(event);
    FocusLiveButton();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous() && !picturesFitted_) {
        picturesFitted_ = true;
        FitCardPictures();
    }
}

// Under large fonts the picture boxes grow with the places and stretch
// only when the player asked for it; the pictures stay centred.
void TForm1::FitCardPictures()
{
    const bool largeFonts = vel::IsLargeFonts(*this);
    const QSize place = cardPanels_[0]->size();
    for (TCardPanel* panel : cardPanels_) {
        TCardImage* image = panel->Image();
        image->SetStretch(largeFonts && settings_.ScaleCards);
        if (largeFonts)
            image->resize(place.width() - 24, place.height() - 32);
    }
    const QSize box = cardPanels_[0]->Image()->size();
    const QPoint topLeft((place.width() - box.width() - 4) / 2, (place.height() - box.height() - 4) / 2);
    for (TCardPanel* panel : cardPanels_)
        panel->Image()->move(topLeft);
}

void TForm1::Options1Click()
{
    if (round_->Busy()) {
        round_->Defer(vel::DeferredOptions);
        return;
    }
    form6_->LoadValues(settings_.PanelColor, settings_.HoldColor, settings_.WinColor, round_->CelebrateLevel(),
                       settings_.ScaleCards);
    if (form6_->exec() != QDialog::Accepted)
        return;
    settingsFile_->SettingsChanged = true;
    settings_.PanelColor = form6_->PanelColor();
    settings_.HoldColor = form6_->HoldColor();
    settings_.WinColor = form6_->WinColor();
    settings_.ScaleCards = form6_->ScaleCards();
    round_->SetCelebrateLevel(form6_->CelebrateLevel());
    for (TCardPanel* panel : cardPanels_)
        panel->Image()->SetStretch(settings_.ScaleCards);
    round_->RecolourPlaces();
    RefreshPlaces(); // the colours themselves may be new
}

void TForm1::ShowModeless(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void TForm1::BitBtn3Click()
{
    ShowModeless(form5_);
}

void TForm1::Print1Click()
{
    printer_->Print(this);
}

void TForm1::PrinterSetup1Click()
{
    printer_->PrinterSetup();
}
