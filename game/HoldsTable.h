#pragma once

#include "game/AdvisorSession.h"

#include <QTableWidget>

// Sets up a table of the advisor that the player reads but never edits:
// whole rows are selected, Tab leaves it for the next control.
void MakeReadOnlyTable(QTableWidget& table, const char* name, const QString& accessibleName);
QTableWidgetItem* ReadOnlyCell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// The full names of the cards of `dealt` that `holdMask` keeps, in place
// order: "King of Hearts, Ten of Spades".
QString CardNames(const vel::Hand& dealt, unsigned holdMask);
// A hold as a screen reader says it: "Keep King of Hearts, ..." or the draw of five.
QString SpokenHold(const vel::Hand& dealt, unsigned holdMask);

// All 32 holds of a hand, best first: the cards kept, the expected return in
// credits and the loss against the best hold; the best hold in bold and
// selected, the hold played marked.
class THoldsTable : public QTableWidget {
    Q_OBJECT
public:
    THoldsTable(const char* name, QWidget* parent);

    void ShowHolds(const vel::HandAdvice& advice);
};
