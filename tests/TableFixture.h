#pragma once

// Shared helpers for tests that play on the real table, offscreen.
#include "engine/Evaluator.h"
#include "game/Unit1.h"
#include "shell/Startup.h"
#include "views/DesignFont.h"

#include <QPushButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace fixture {

// A program folder and a configuration folder of the test's own.
struct Sandbox {
    QTemporaryDir root;
    QString programPath;

    Sandbox()
    {
        QDir(root.path()).mkpath(QStringLiteral("config"));
        QDir(root.path()).mkpath(QStringLiteral("games/bin"));
        qputenv("XDG_CONFIG_HOME", (root.path() + QStringLiteral("/config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", (root.path() + QStringLiteral("/data")).toLocal8Bit());
        programPath = root.path() + QStringLiteral("/games/bin/velpoker");
    }
    QString ConfigFile() const { return root.path() + QStringLiteral("/config/velpoker/velPoker.ini"); }
};

// Starts a table the way the program does, shown and at full speed.
inline std::unique_ptr<TForm1> StartTable(const QString& programPath)
{
    vel::SubstituteDesignFont();
    vel::SetApplicationTitle(QStringLiteral("vel Zezuv"));
    auto table = std::make_unique<TForm1>(programPath);
    table->SetAnimationScale(0);
    table->InitializeMainWindow();
    table->ResetGame();
    table->ResetTable(true);
    table->show();
    if (!QTest::qWaitForWindowExposed(table.get()))
        return nullptr;
    table->activateWindow();
    return table;
}

// Lets the table's timers run until no card moves; false if they never stop.
inline bool WaitForCards(const TForm1& table)
{
    return QTest::qWaitFor([&table] { return !table.Round().Busy(); });
}

// Answers the next message box with `button` as soon as it is shown, and
// remembers its text.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton button)
        : button_(button)
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::Poll);
        timer_.start();
    }
    QString text;
    QString title;
    QPoint position;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    int shown = 0;

private:
    void Poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ++shown;
        text = box->text();
        title = box->windowTitle();
        position = box->pos();
        icon = box->icon();
        defaultButton = box->standardButton(box->defaultButton());
        timer_.stop();
        if (QAbstractButton* answer = box->button(button_))
            answer->click();
        else
            box->reject();
    }
    QMessageBox::StandardButton button_;
    QTimer timer_;
};

// Runs `handle` on the next modal window of type T as soon as it shows.
template <typename T>
class ModalHandler : public QObject {
public:
    explicit ModalHandler(std::function<void(T*)> handle)
        : handle_(std::move(handle))
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!window || !window->isVisible())
                return;
            timer_.stop();
            ++handled;
            handle_(window);
        });
        timer_.start();
    }
    int handled = 0;

private:
    std::function<void(T*)> handle_;
    QTimer timer_;
};

// The clock value for which a new game's deck makes `wanted` true of the
// first deal and the draw cards after it.
using DeckTest = std::function<bool(const vel::Deck& deck)>;
inline std::uint32_t FindClock(const DeckTest& wanted)
{
    for (std::uint32_t time = 1;; ++time) {
        vel::Deck deck(vel::StandardDeckSize, [time] { return time; });
        deck.ResetDeck();
        deck.ShuffleDeck();
        if (wanted(deck))
            return time;
    }
}

// The ten cards a hand can take from `deck`, starting at its position.
inline std::array<vel::Card, 10> NextTen(const vel::Deck& deck)
{
    std::array<vel::Card, 10> cards{};
    for (int i = 0; i < 10; ++i)
        cards[i] = deck.At((deck.DeckPos() - 1 + i) % deck.DeckSize() + 1);
    return cards;
}

inline int CategoryOfCards(const vel::Hand& hand)
{
    std::string ranks, suits;
    for (vel::Card card : hand) {
        ranks += vel::RankLetter(card);
        suits += vel::SuitLetter(card);
    }
    vel::WinCards flags{};
    return vel::CategoryOf(vel::EvaluateHand(ranks, suits, flags));
}

// The final hand from holding `mask` (bit p-1 = place p) of the first deal.
inline vel::Hand FinalHand(const std::array<vel::Card, 10>& cards, unsigned mask)
{
    vel::Hand hand{};
    int next = 5;
    for (int i = 0; i < 5; ++i)
        hand[i] = (mask >> i & 1) ? cards[i] : cards[next++];
    return hand;
}

// Types a key as the keyboard would: into the table's focused control.
inline void PressKey(TForm1& table, char key)
{
    QTest::keyClick(table.focusWidget() ? table.focusWidget() : &table, key);
}

// Makes the table's next new game use the deck of clock value `time`.
inline void UseClock(TForm1& table, std::uint32_t time)
{
    table.GameDeck() = vel::Deck(vel::StandardDeckSize, [time] { return time; });
    table.GameDeck().ResetDeck();
}

} // namespace fixture
