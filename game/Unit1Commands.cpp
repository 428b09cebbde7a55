// Start-up of the table, holds and keys, focus, and the commands that open
// the other windows.
#include "game/Unit1.h"

#include "game/Celebration.h"
#include "game/TableWidgets.h"
#include "shell/SettingsLocation.h"
#include "shell/UElapsedTimeLabel.h"
#include "shell/Unit6.h"
#include "views/Printing.h"
#include "views/SBPro.h"
#include "views/Unit2.h"
#include "views/Unit3.h"
#include "views/Unit5.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
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
    state_.Celebrate = false;
    payTable_ = vel::PayTable();
    ComboBox1->setCurrentIndex(vel::DefaultPaySchedule);
    ApplyPaySchedule();
    LayoutStatusPanels();
    settingsFile_->LoadSettings(settings_);
    ComboBox1->setCurrentIndex(settings_.Payout);
    ApplyPaySchedule();
    settingsFile_->SettingsChanged = false;
}

void TForm1::ApplyPaySchedule()
{
    payTable_.ApplySchedule(ComboBox1->currentIndex());
    form5_->ShowPayTable(payTable_);
}

void TForm1::ComboBox1Change()
{
    settingsFile_->SettingsChanged = true;
    ApplyPaySchedule();
}

void TForm1::ToggleHold(int place)
{
    if (!state_.CanHold)
        return;
    bool& held = state_.Held[place - 1];
    held = !held;
    SetPlaceColor(place, held ? settings_.HoldColor : settings_.PanelColor);
    SetHoldMarker(place, held);
}

// Sees every key of the table before the focused control does: 1 to 5
// toggle holds without being consumed, Enter presses the live button.
bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QMainWindow::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    // A key reaches the focused control first, then its parents: act once.
    const QWidget* firstReceiver = focusWidget() ? focusWidget() : this;
    if (widget != firstReceiver || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() == 1 && text[0] >= QLatin1Char('1') && text[0] <= QLatin1Char('5'))
        ToggleHold(text[0].digitValue());
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && defaultButton_ && defaultButton_->isEnabled()) {
        defaultButton_->click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Back on the table, the focus goes to whichever of Draw and Bet is live.
void TForm1::FocusLiveButton()
{
    if (BitBtn1->isEnabled())
        BitBtn1->setFocus();
    if (BitBtn2->isEnabled())
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
    const bool largeFonts = logicalDpiX() > 96;
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
    if (state_.Busy) {
        pendingOptions_ = true;
        return;
    }
    form6_->LoadValues(settings_.PanelColor, settings_.HoldColor, settings_.WinColor, settings_.CelebrateLevel,
                       settings_.ScaleCards);
    if (form6_->exec() != QDialog::Accepted)
        return;
    settingsFile_->SettingsChanged = true;
    settings_.PanelColor = form6_->PanelColor();
    settings_.HoldColor = form6_->HoldColor();
    settings_.WinColor = form6_->WinColor();
    settings_.CelebrateLevel = form6_->CelebrateLevel();
    settings_.ScaleCards = form6_->ScaleCards();
    for (TCardPanel* panel : cardPanels_)
        panel->Image()->SetStretch(settings_.ScaleCards);
    RepaintCardPanels();
}

// A place shows the win colour, else the hold colour while the hand waits
// for the draw, else the panel colour.
void TForm1::RepaintCardPanels()
{
    for (int place = 1; place <= 5; ++place) {
        vel::TColor color = settings_.PanelColor;
        if (state_.WinCard[place - 1])
            color = settings_.WinColor;
        else if (state_.Held[place - 1] && BitBtn1->isEnabled())
            color = settings_.HoldColor;
        SetPlaceColor(place, color);
    }
}

void TForm1::LayoutStatusPanels()
{
    StatusBarPro1->LayoutStatusPanels(centralWidget()->width());
}

void TForm1::HighlightStatusPanel(int index, bool on)
{
    StatusBarPro1->HighlightStatusPanel(index, on);
}

// The table's own hint shows only after a game ended with Cancel.
void TForm1::SetHintsShown(bool shown)
{
    centralWidget()->setToolTip(shown ? QStringLiteral("Click Game - New to play a new game") : QString());
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
