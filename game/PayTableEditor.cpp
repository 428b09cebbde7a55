#include "game/PayTableEditor.h"

#include "engine/Evaluator.h"
#include "views/EngineText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include <optional>

namespace {

constexpr int LinesPerColumn = vel::PayLineCount / 2;

// The name of pay line `line` as the glass shows it.
QString LineName(int line)
{
    if (line == 0)
        return TPayTableEditor::tr("Royal Flush at bet %1").arg(vel::MaxBet);
    if (line == 1)
        return TPayTableEditor::tr("Royal Flush at bets 1 to %1").arg(vel::MaxBet - 1);
    const int category = vel::RoyalFlush + 1 - line;
    if (category == vel::JacksOrBetter)
        return TPayTableEditor::tr("Jacks or Better");
    return vel::HandNameText(category);
}

// A whole number from 0 to the highest pay, written with or without the
// player's thousands separators; none for anything else.
std::optional<int> ReadPay(const QString& text)
{
    bool whole = false;
    int pay = QLocale().toInt(text.trimmed(), &whole);
    if (!whole)
        pay = text.trimmed().toInt(&whole);
    if (!whole || pay < 0 || pay > vel::MaxPayPerCredit)
        return std::nullopt;
    return pay;
}

} // namespace

TPayTableEditor::TPayTableEditor(QWidget* parent)
    : QWidget(parent)
    , faultLabel_(new QLabel(this))
{
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12;
    for (int line = 0; line < vel::PayLineCount; ++line) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("PayBox%1").arg(line));
        box->setFixedWidth(boxWidth);
        box->setAlignment(Qt::AlignRight);
        box->setAccessibleName(tr("%1, pays per credit").arg(LineName(line)));
        auto* name = new QLabel(LineName(line), this);
        name->setBuddy(box);
        name->setWordWrap(true); // a narrow window shows the longer names on two lines
        // The first five lines in the left column, the rest in the right.
        const int row = line % LinesPerColumn;
        const int column = line / LinesPerColumn * 2;
        grid->addWidget(name, row, column);
        grid->addWidget(box, row, column + 1);
        boxes_[static_cast<std::size_t>(line)] = box;
        connect(box, &QLineEdit::textEdited, this, &TPayTableEditor::ReadBoxes);
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    faultLabel_->setObjectName(QStringLiteral("PayFault"));
    faultLabel_->setWordWrap(true);
    QPalette red = faultLabel_->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    faultLabel_->setPalette(red);
    faultLabel_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addWidget(faultLabel_);
    SetPays(pays_);
}

void TPayTableEditor::SetPays(const vel::PayTable& pays)
{
    pays_ = pays;
    const vel::PayList list = pays.Pays();
    for (std::size_t line = 0; line < list.size(); ++line)
        boxes_[line]->setText(QString::number(list[line]));
    ShowFault(-1);
}

void TPayTableEditor::ReadBoxes()
{
    vel::PayList pays{};
    for (int line = 0; line < vel::PayLineCount; ++line) {
        const std::optional<int> pay = ReadPay(boxes_[static_cast<std::size_t>(line)]->text());
        if (!pay) {
            ShowFault(line);
            emit edited();
            return;
        }
        pays[static_cast<std::size_t>(line)] = *pay;
    }
    ShowFault(-1);
    pays_ = *vel::PayTable::FromPays(pays); // every pay is in range
    emit edited();
}

// `line` -1: no fault. A box at fault shows its text in red and tells a
// screen reader why.
void TPayTableEditor::ShowFault(int line)
{
    hasFault_ = line >= 0;
    const QString fault = tr("A pay must be a whole number from 0 to %1").arg(vel::MaxPayPerCredit);
    for (int other = 0; other < vel::PayLineCount; ++other) {
        QLineEdit* box = boxes_[static_cast<std::size_t>(other)];
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, other == line ? QColor(192, 0, 0) : QPalette().color(QPalette::Text));
        box->setPalette(palette);
        box->setAccessibleDescription(other == line ? fault : QString());
    }
    faultLabel_->setVisible(hasFault_);
    if (hasFault_)
        faultLabel_->setText(tr("%1: %2").arg(LineName(line), fault));
}
