#include "game/PayTableChoice.h"

#include "game/PayTableEditor.h"
#include "views/EngineText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The list: the table in force, the six schedules, a table of the player's
// own, then the kept tables.
constexpr int InForceItem = 0;
constexpr int FirstScheduleItem = 1;
constexpr int CustomItem = FirstScheduleItem + static_cast<int>(vel::PaySchedules.size());
constexpr int FirstKeptItem = CustomItem + 1;
constexpr int NameLength = 60;

} // namespace

TPayTableChoice::TPayTableChoice(QWidget* parent)
    : QWidget(parent)
    , list_(new QComboBox(this))
    , betBox_(new QSpinBox(this))
{
    list_->setObjectName(QStringLiteral("PayTableList"));
    list_->setAccessibleName(tr("Pay table"));
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list_->setMinimumContentsLength(12);
    auto* listLabel = new QLabel(tr("Pay &table:"), this);
    listLabel->setBuddy(list_);
    betBox_->setObjectName(QStringLiteral("PayTableBet"));
    betBox_->setAccessibleName(tr("Bet"));
    betBox_->setRange(1, vel::MaxBet);
    betBox_->setValue(inForceBet_);
    auto* betLabel = new QLabel(tr("&Bet:"), this);
    betLabel->setBuddy(betBox_);
    auto* row = new QHBoxLayout;
    row->addWidget(listLabel);
    row->addWidget(list_, 1);
    row->addWidget(betLabel);
    row->addWidget(betBox_);
    ownPanel_ = CreateOwnTablePanel();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(ownPanel_);
    FillList();
    connect(list_, &QComboBox::currentIndexChanged, this, &TPayTableChoice::ListChosen);
    connect(betBox_, &QSpinBox::valueChanged, this, &TPayTableChoice::EmitChosen);
    ListChosen(InForceItem);
}

QWidget* TPayTableChoice::CreateOwnTablePanel()
{
    auto* panel = new QWidget(this);
    editor_ = new TPayTableEditor(panel);
    connect(editor_, &TPayTableEditor::edited, this, &TPayTableChoice::PaysEdited);
    nameBox_ = new QLineEdit(panel);
    nameBox_->setObjectName(QStringLiteral("PayTableName"));
    nameBox_->setAccessibleName(tr("Name to keep the pay table under"));
    nameBox_->setMaxLength(NameLength);
    auto* nameLabel = new QLabel(tr("&Name:"), panel);
    nameLabel->setBuddy(nameBox_);
    connect(nameBox_, &QLineEdit::textChanged, this, &TPayTableChoice::ShowOwnControls);
    connect(nameBox_, &QLineEdit::returnPressed, this, &TPayTableChoice::KeepTable);
    keepButton_ = new QPushButton(tr("&Keep"), panel);
    keepButton_->setObjectName(QStringLiteral("KeepPayTableButton"));
    keepButton_->setToolTip(tr("Keep this pay table under the name, to choose it again in later games"));
    keepButton_->setAutoDefault(false);
    connect(keepButton_, &QPushButton::clicked, this, &TPayTableChoice::KeepTable);
    deleteButton_ = new QPushButton(tr("&Delete"), panel);
    deleteButton_->setObjectName(QStringLiteral("DeletePayTableButton"));
    deleteButton_->setToolTip(tr("Forget the kept pay table"));
    deleteButton_->setAutoDefault(false);
    connect(deleteButton_, &QPushButton::clicked, this, &TPayTableChoice::DeleteTable);
    breakEvenLabel_ = new QLabel(panel);
    breakEvenLabel_->setObjectName(QStringLiteral("BreakEvenLabel"));
    breakEvenLabel_->setWordWrap(true);
    breakEvenLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(nameBox_, 1);
    nameRow->addWidget(keepButton_);
    nameRow->addWidget(deleteButton_);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);
    layout->addLayout(nameRow);
    layout->addWidget(breakEvenLabel_);
    return panel;
}

void TPayTableChoice::SetInForce(int schedule, const vel::PayTable& pays, int bet)
{
    inForceSchedule_ = schedule;
    inForcePays_ = pays;
    inForceBet_ = bet;
    list_->setItemText(InForceItem, tr("In force: %1").arg(vel::ScheduleText(schedule)));
    if (list_->currentIndex() != InForceItem)
        return;
    const QSignalBlocker quiet(betBox_);
    betBox_->setValue(bet);
    EmitChosen();
}

void TPayTableChoice::SetKeptTables(std::vector<vel::KeptPayTable> tables)
{
    kept_ = std::move(tables);
    FillList();
}

vel::PayTable TPayTableChoice::Pays() const
{
    const int item = list_->currentIndex();
    if (item == InForceItem)
        return inForcePays_;
    if (item < CustomItem)
        return vel::PayTable::ForSchedule(item - FirstScheduleItem);
    return editor_->Pays();
}

int TPayTableChoice::Bet() const
{
    return list_->currentIndex() == InForceItem ? inForceBet_ : betBox_->value();
}

QString TPayTableChoice::Name() const
{
    const int item = list_->currentIndex();
    if (item == InForceItem)
        return vel::ScheduleText(inForceSchedule_);
    if (item < CustomItem)
        return vel::ScheduleText(item - FirstScheduleItem);
    if (item == CustomItem)
        return tr("your own pay table");
    return kept_[static_cast<std::size_t>(KeptIndex())].name;
}

bool TPayTableChoice::OwnTable() const
{
    return list_->currentIndex() >= CustomItem;
}

int TPayTableChoice::KeptIndex() const
{
    return list_->currentIndex() >= FirstKeptItem ? list_->currentIndex() - FirstKeptItem : -1;
}

void TPayTableChoice::SetEditorShown(bool shown)
{
    editorShown_ = shown;
    ShowOwnControls();
}

void TPayTableChoice::ShowBreakEven(const std::optional<std::optional<vel::BreakEvenRoyal>>& breakEven)
{
    const QLocale locale;
    if (!breakEven)
        breakEvenLabel_->setText(tr("Working out the break-even royal flush..."));
    else if (!*breakEven)
        breakEvenLabel_->setText(tr("Even a royal flush of %1 per credit leaves this table below 100%.")
                                     .arg(locale.toString(vel::MaxPayPerCredit)));
    else if ((*breakEven)->royal == 0)
        breakEvenLabel_->setText(tr("Even with a royal flush that pays nothing, perfect play returns %1%.")
                                     .arg(locale.toString(100 * (*breakEven)->perfectReturn, 'f', 4)));
    else
        breakEvenLabel_->setText(tr("Break-even royal flush: %1 per credit at bet %2, where perfect play returns %3%.")
                                     .arg(locale.toString((*breakEven)->royal), locale.toString(vel::MaxBet),
                                          locale.toString(100 * (*breakEven)->perfectReturn, 'f', 4)));
}

// Rebuilt from the kept tables; the choice stays where it was, or on the
// player's own table when the kept one is gone.
void TPayTableChoice::FillList()
{
    const QSignalBlocker quiet(list_);
    const int item = list_->currentIndex();
    list_->clear();
    list_->addItem(tr("In force: %1").arg(vel::ScheduleText(inForceSchedule_)));
    for (int schedule = 0; schedule < static_cast<int>(vel::PaySchedules.size()); ++schedule)
        list_->addItem(vel::ScheduleText(schedule));
    list_->addItem(tr("Custom"));
    for (const vel::KeptPayTable& table : kept_)
        list_->addItem(table.name);
    list_->setCurrentIndex(item < list_->count() ? std::max(item, 0) : CustomItem);
}

// The player's own table starts as the table in force; a kept one as kept.
void TPayTableChoice::ListChosen(int item)
{
    if (item == CustomItem) {
        editor_->SetPays(inForcePays_);
        nameBox_->clear();
    } else if (KeptIndex() >= 0) {
        const vel::KeptPayTable& table = kept_[static_cast<std::size_t>(KeptIndex())];
        editor_->SetPays(table.pays);
        nameBox_->setText(table.name);
    } else if (item == InForceItem) {
        const QSignalBlocker quiet(betBox_);
        betBox_->setValue(inForceBet_);
    }
    betBox_->setEnabled(item != InForceItem);
    ShowOwnControls();
    EmitChosen();
}

// A kept table that is edited is no longer the one kept: the list says
// "Custom" until it is kept again.
void TPayTableChoice::PaysEdited()
{
    ShowOwnControls();
    if (editor_->HasFault())
        return;
    if (KeptIndex() >= 0) {
        const QSignalBlocker quiet(list_);
        list_->setCurrentIndex(CustomItem);
        ShowOwnControls();
    }
    EmitChosen();
}

void TPayTableChoice::KeepTable()
{
    const QString name = nameBox_->text().trimmed();
    if (name.isEmpty() || editor_->HasFault())
        return;
    auto same = std::find_if(kept_.begin(), kept_.end(),
                             [&name](const vel::KeptPayTable& table) { return vel::SameTableName(table.name, name); });
    if (same == kept_.end())
        same = kept_.insert(kept_.end(), {name, editor_->Pays()});
    else
        *same = {name, editor_->Pays()};
    const int item = FirstKeptItem + static_cast<int>(same - kept_.begin());
    FillList();
    {
        const QSignalBlocker quiet(list_);
        list_->setCurrentIndex(item);
    }
    nameBox_->setText(name);
    ShowOwnControls();
    emit keptTablesChanged(kept_);
    EmitChosen();
}

void TPayTableChoice::DeleteTable()
{
    const int index = KeptIndex();
    if (index < 0)
        return;
    kept_.erase(kept_.begin() + index);
    {
        const QSignalBlocker quiet(list_);
        list_->setCurrentIndex(CustomItem);
    }
    FillList();
    ShowOwnControls();
    emit keptTablesChanged(kept_);
    EmitChosen();
}

void TPayTableChoice::ShowOwnControls()
{
    ownPanel_->setVisible(OwnTable() && editorShown_);
    keepButton_->setEnabled(!nameBox_->text().trimmed().isEmpty() && !editor_->HasFault());
    deleteButton_->setEnabled(KeptIndex() >= 0);
}

void TPayTableChoice::EmitChosen()
{
    emit chosen(Pays(), Bet());
}
