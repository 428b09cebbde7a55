#pragma once

// Known deals and shortcuts for tests that play with the advisor open.
#include "TableFixture.h"

#include "game/UAdvisor.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTableWidget>

#include <algorithm>
#include <bit>
#include <optional>

namespace advisorfixture {

enum class DealKind { FourToRoyal, LoneHighPair };

} // namespace advisorfixture

Q_DECLARE_METATYPE(advisorfixture::DealKind)

namespace advisorfixture {

using namespace fixture;

// Places of four cards to a royal flush when the fifth card is of another
// suit; holding them beats everything else such a deal offers.
inline std::optional<unsigned> FourToRoyal(const vel::Hand& dealt)
{
    for (int suit = 0; suit < 4; ++suit) {
        unsigned royal = 0;
        int suited = 0;
        for (int i = 0; i < 5; ++i) {
            if (vel::SuitOf(dealt[i]) != suit)
                continue;
            ++suited;
            if (vel::RankOf(dealt[i]) >= 8) // ten to ace
                royal |= 1u << i;
        }
        if (suited == 4 && std::popcount(royal) == 4)
            return royal;
    }
    return std::nullopt;
}

// Places of a pair of jacks or better with no second pair and no four cards
// of a suit beside it: the pair is the hold to keep.
inline std::optional<unsigned> LoneHighPair(const vel::Hand& dealt)
{
    std::array<int, 13> ranks{};
    std::array<int, 4> suits{};
    for (vel::Card card : dealt) {
        ++ranks[vel::RankOf(card)];
        ++suits[vel::SuitOf(card)];
    }
    const auto paired = std::count_if(ranks.begin(), ranks.end(), [](int n) { return n > 1; });
    const auto pair = std::find(ranks.begin(), ranks.end(), 2) - ranks.begin();
    if (paired != 1 || pair == 13 || pair < 9 || *std::max_element(suits.begin(), suits.end()) >= 4)
        return std::nullopt;
    unsigned mask = 0;
    for (int i = 0; i < 5; ++i)
        mask |= vel::RankOf(dealt[i]) == pair ? 1u << i : 0u;
    return mask;
}

struct KnownDeal {
    std::uint32_t clock;
    unsigned bestMask;
};

inline KnownDeal FindDeal(DealKind kind)
{
    unsigned best = 0;
    const std::uint32_t clock = FindClock([&](const vel::Deck& deck) {
        const auto cards = NextTen(deck);
        const vel::Hand dealt{cards[0], cards[1], cards[2], cards[3], cards[4]};
        const auto mask = kind == DealKind::FourToRoyal ? FourToRoyal(dealt) : LoneHighPair(dealt);
        best = mask.value_or(0);
        return mask.has_value();
    });
    return {clock, best};
}

inline QString Credits(double value)
{
    return QLocale().toString(value, 'f', 2);
}

inline QPushButton* Button(const QWidget& window, const char* name)
{
    return window.findChild<QPushButton*>(QLatin1String(name));
}

inline QString Text(const QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(QLatin1String(name))->text();
}

// A label's text as the player reads it, without its colours.
inline QString PlainText(const QWidget& window, const char* name)
{
    return QTextDocumentFragment::fromHtml(Text(window, name)).toPlainText();
}

inline QTableWidget* Table(const TAdvisorForm& advisor, const char* name)
{
    return advisor.findChild<QTableWidget*>(QLatin1String(name));
}

inline QStringList Column(const QTableWidget& table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.item(row, column)->text();
    return texts;
}

// Opens the advisor the way a player does, with the H key on the table.
inline TAdvisorForm* OpenAdvisor(TForm1& table)
{
    table.activateWindow(); // a closed message box leaves no window active
    if (!QTest::qWaitFor([&table] { return QApplication::activeWindow() == &table; }))
        return nullptr;
    QTest::keyClick(&table, Qt::Key_H);
    auto* advisor = table.findChild<TAdvisorForm*>();
    // The table keeps the keyboard, once the platform has settled who is active.
    QTest::qWait(20);
    if (!QTest::qWaitFor([&table] { return QApplication::activeWindow() == &table; }))
        return nullptr;
    return advisor && advisor->isVisible() ? advisor : nullptr;
}

inline void Deal(TForm1& table)
{
    QTest::mouseClick(Button(table, "BitBtn2"), Qt::LeftButton);
}

inline void Draw(TForm1& table)
{
    QTest::mouseClick(Button(table, "BitBtn1"), Qt::LeftButton);
}

inline unsigned HeldMask(const TForm1& table)
{
    unsigned mask = 0;
    for (int i = 0; i < 5; ++i)
        mask |= table.State().Held[i] ? 1u << i : 0u;
    return mask;
}

inline void SetHolds(TForm1& table, unsigned mask)
{
    for (int place = 1; place <= 5; ++place) {
        if ((HeldMask(table) ^ mask) >> (place - 1) & 1)
            PressKey(table, static_cast<char>('0' + place));
    }
}

inline vel::RankedHolds EngineHolds(const TForm1& table)
{
    return vel::AnalyzeDirect(table.State().Hand, table.PayTable(), table.State().CurrentBet);
}

inline const vel::HoldResult& HoldOf(const vel::RankedHolds& holds, unsigned mask)
{
    return *std::find_if(holds.begin(), holds.end(), [mask](const vel::HoldResult& h) { return h.holdMask == mask; });
}

// The advisor's pages, in the order of their tabs.
enum Page { HandPage, OddsPage, ChartPage, AnyHandPage, BankrollPage, TrainingPage };

inline void ShowPage(TAdvisorForm& advisor, Page page)
{
    advisor.findChild<QTabBar*>(QStringLiteral("AdvisorTabs"))->setCurrentIndex(page);
}

inline QComboBox* PayTableList(const TAdvisorForm& advisor)
{
    return advisor.findChild<QComboBox*>(QStringLiteral("PayTableList"));
}

inline QLineEdit* Box(const TAdvisorForm& advisor, const QString& name)
{
    return advisor.findChild<QLineEdit*>(name);
}

// Chooses the pay table from the keyboard, as a player does.
inline bool ChoosePayTable(TAdvisorForm& advisor, const QString& text)
{
    QComboBox* list = PayTableList(advisor);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int item = 0; item < list->count() && list->currentText() != text; ++item)
        QTest::keyClick(list, Qt::Key_Down);
    return list->currentText() == text;
}

// Types into a box of the advisor, through the keys the table sees first.
inline void TypeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(box, character.toLatin1());
        else // a suit symbol, as a keyboard layout or an input method sends it
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

// Pastes over a box's text in one step, as the player does with Ctrl+V.
inline void PasteInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
        return;
    }
    QApplication::clipboard()->setText(text);
    QTest::keySequence(box, QKeySequence::Paste);
}

} // namespace advisorfixture
