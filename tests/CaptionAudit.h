#pragma once

// Measures every caption of a window as the style draws it, and checks that
// no shortcut letter is used twice in it. Controls are found by type, never
// by name, so windows and pages added later are measured too.
#include "views/Colors.h"
#include "views/SBPro.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <set>

namespace captionaudit {


QString Name(const QWidget* widget)
{
    const QString cls = QString::fromLatin1(widget->metaObject()->className());
    return widget->objectName().isEmpty() ? cls : widget->objectName() + QStringLiteral(" (") + cls + QLatin1Char(')');
}

// The letter that Alt plus it presses, or none.
QChar Mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

int TextWidth(const QFontMetrics& metrics, const QString& text)
{
    return metrics.boundingRect(QRect(), Qt::TextShowMnemonic, text).width();
}

// Collects every caption of a window that does not fit, and every
// shortcut letter used twice in it.
class CaptionAudit {
public:
    QStringList problems;
    QStringList fixedTexts; // stay as they are, wide or not

    // Audits the window as it shows now, then with each of its tabs shown.
    void Window(QWidget* window)
    {
        window_ = window;
        Settle();
        Controls(window);
        Mnemonics(window);
        Tabs({});
        for (QMenuBar* bar : window->findChildren<QMenuBar*>())
            MenuBar(bar);
    }

private:
    // The window and the size it was audited at.
    QString Where() const
    {
        return QStringLiteral("%1 %2x%3").arg(Name(window_)).arg(window_->width()).arg(window_->height());
    }

    // Shows each tab of every tab row in turn, as a click on it does, and
    // within it each tab of the rows that tab shows.
    void Tabs(QSet<QTabBar*> done)
    {
        for (QTabBar* bar : window_->findChildren<QTabBar*>()) {
            if (done.contains(bar) || !bar->isVisibleTo(window_))
                continue;
            done.insert(bar);
            const int shown = bar->currentIndex();
            for (int tab = 0; tab < bar->count(); ++tab) {
                bar->setCurrentIndex(tab);
                Settle();
                Controls(window_);
                Mnemonics(window_);
                Tabs(done);
            }
            bar->setCurrentIndex(shown);
            Settle();
        }
    }

    static void Settle()
    {
        for (int pass = 0; pass < 3; ++pass) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }

    void Misfit(const QWidget* control, const QString& text, int needed, int room, const QString& detail = {})
    {
        if (needed <= room || fixedTexts.contains(text))
            return;
        problems << QStringLiteral("%1 > %2%3: \"%4\" needs %5 px, has %6 px")
                       .arg(Where(), Name(control), detail, text)
                       .arg(needed)
                       .arg(room);
    }

    void Controls(QWidget* root)
    {
        QList<QWidget*> controls = root->findChildren<QWidget*>();
        controls.prepend(root);
        for (QWidget* control : controls) {
            if (control->window() != window_ || !control->isVisibleTo(window_))
                continue;
            if (auto* button = qobject_cast<QPushButton*>(control))
                PushButton(button);
            else if (auto* box = qobject_cast<QCheckBox*>(control))
                IndicatorButton(box, QStyle::SE_CheckBoxContents);
            else if (auto* radio = qobject_cast<QRadioButton*>(control))
                IndicatorButton(radio, QStyle::SE_RadioButtonContents);
            else if (auto* tool = qobject_cast<QToolButton*>(control))
                ToolButton(tool);
            else if (auto* label = qobject_cast<QLabel*>(control))
                Label(label);
            else if (auto* list = qobject_cast<QComboBox*>(control))
                ComboBox(list);
            else if (auto* header = qobject_cast<QHeaderView*>(control))
                Header(header);
            else if (auto* view = qobject_cast<QAbstractItemView*>(control))
                ItemView(view);
            else if (auto* bar = qobject_cast<QTabBar*>(control))
                TabBar(bar);
            else if (auto* group = qobject_cast<QGroupBox*>(control))
                GroupBox(group);
            else if (auto* panel = qobject_cast<TStatusPanelPro*>(control))
                Misfit(panel, panel->Text(), panel->fontMetrics().horizontalAdvance(panel->Text()) + 2,
                       panel->InnerRect().width());
        }
    }

    // Icon and text are centred together in the contents rectangle, inside
    // the margin the style keeps around them.
    void PushButton(QPushButton* button)
    {
        if (button->text().isEmpty())
            return;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        if (button->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (button->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        QStyle* style = button->style();
        const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int icon = option.icon.isNull() ? 0 : option.icon.actualSize(option.iconSize).width() + 4;
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        Misfit(button, button->text(), icon + TextWidth(button->fontMetrics(), button->text()) + margin,
               contents.width());
    }

    void IndicatorButton(QAbstractButton* button, QStyle::SubElement contentsElement)
    {
        if (button->text().isEmpty())
            return;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        const QRect contents = button->style()->subElementRect(contentsElement, &option, button);
        const int icon = option.icon.isNull() ? 0 : option.iconSize.width() + 4;
        Misfit(button, button->text(), icon + TextWidth(button->fontMetrics(), button->text()), contents.width());
    }

    void ToolButton(QToolButton* button)
    {
        if (button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return;
        Misfit(button, button->text(), button->sizeHint().width(), button->width());
    }

    // A wrapping label fits when its longest word does and its wrapped
    // height does; a label placed by hand must also stay inside its window
    // and keep half a space clear of its neighbours, or two texts read as one.
    void Label(QLabel* label)
    {
        if (label->text().isEmpty())
            return;
        if (label->wordWrap()) {
            Misfit(label, label->text(), label->minimumSizeHint().width(), label->width(), QStringLiteral(" (word)"));
            Misfit(label, label->text(), label->heightForWidth(label->width()), label->height(),
                   QStringLiteral(" (height)"));
            return;
        }
        Misfit(label, label->text(), label->sizeHint().width(), label->width());
        QWidget* parent = label->parentWidget();
        if (!parent || parent->layout())
            return;
        const QRect text = DrawnText(label);
        Misfit(label, label->text(), text.right() + 1, parent->width(), QStringLiteral(" (window edge)"));
        const int gap = label->fontMetrics().horizontalAdvance(QLatin1Char(' ')) / 2;
        const QRect clearance = text.adjusted(-gap, 0, gap, 0);
        for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling == label || sibling->isWindow() || !sibling->isVisibleTo(window_))
                continue;
            auto* other = qobject_cast<QLabel*>(sibling);
            const bool drawsText = other && other->pixmap().isNull();
            if (drawsText && sibling->x() < label->x())
                continue; // two labels that meet are told once, by the left one
            const QRect taken = !drawsText ? sibling->geometry() : other->text().isEmpty() ? QRect() : DrawnText(other);
            if (clearance.intersects(taken)) {
                problems << QStringLiteral("%1 > %2: \"%3\" runs into %4")
                               .arg(Where(), Name(label), label->text(), Name(sibling));
            }
        }
    }

    // The part of its parent a label's text covers.
    static QRect DrawnText(const QLabel* label)
    {
        const QSize size = label->sizeHint() - QSize(2 * label->frameWidth(), 2 * label->frameWidth());
        const QRect area =
            QStyle::alignedRect(label->layoutDirection(), label->alignment(), size, label->contentsRect());
        return area.translated(label->pos());
    }

    // Any entry may become the current one: it is drawn one pixel into the
    // edit field, after the icon, and clipped at the field's edge. The
    // drop-down list is checked open, as the player sees it. The colour
    // lists show stored identifiers, the same in every language.
    void ComboBox(QComboBox* list)
    {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        option.frame = list->hasFrame();
        option.iconSize = list->iconSize();
        option.subControls = QStyle::SC_All;
        const QRect field =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        for (int item = 0; item < list->count(); ++item) {
            const QString text = list->itemText(item);
            if (IsColorIdentifier(text))
                continue;
            const int icon = list->itemIcon(item).isNull() ? 0 : list->iconSize().width() + 4;
            Misfit(list, text, icon + 1 + InkRight(list->fontMetrics(), text), field.width());
        }
        list->showPopup();
        Settle();
        QAbstractItemView* popup = list->view();
        for (int item = 0; item < list->count(); ++item) {
            const QModelIndex index = list->model()->index(item, list->modelColumn());
            Misfit(list, list->itemText(item), DrawnRight(*popup, index), popup->viewport()->width(),
                   QStringLiteral(" (open list)"));
        }
        list->hidePopup();
        Settle();
    }

    static bool IsColorIdentifier(const QString& text)
    {
        return std::any_of(vel::NamedColors.begin(), vel::NamedColors.end(), [&text](const vel::NamedColor& named) {
            return text == QLatin1String(named.identifier.data(), static_cast<qsizetype>(named.identifier.size()));
        });
    }

    // Where the ink of a text drawn at x = 0 ends.
    static int InkRight(const QFontMetrics& metrics, const QString& text)
    {
        const QRect ink = metrics.boundingRect(text);
        return ink.x() + ink.width();
    }

    // Where the delegate's drawing of an entry ends, drawn into a row far
    // wider than the list: the first column from the right that differs
    // from the row's background.
    static int DrawnRight(const QAbstractItemView& view, const QModelIndex& index)
    {
        QStyleOptionViewItem option;
        option.initFrom(view.viewport());
        option.font = view.font();
        option.fontMetrics = view.fontMetrics();
        option.rect = QRect(0, 0, view.viewport()->width() + 400, view.visualRect(index).height());
        QImage row(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
        row.fill(view.palette().color(QPalette::Base));
        QPainter painter(&row);
        view.itemDelegateForIndex(index)->paint(&painter, option, index);
        painter.end();
        const QRgb background = row.pixel(row.width() - 1, row.height() / 2);
        for (int x = row.width() - 1; x >= 0; --x) {
            for (int y = 0; y < row.height(); ++y) {
                if (row.pixel(x, y) != background)
                    return x + 1;
            }
        }
        return 0;
    }

    // A cell's text is elided when its column is narrower than the
    // delegate's size for it.
    void ItemView(QAbstractItemView* view)
    {
        const QAbstractItemModel* model = view->model();
        if (!model || qobject_cast<const QComboBox*>(view->parentWidget()))
            return;
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                const QString text = index.data().toString();
                const QRect cell = view->visualRect(index);
                if (text.isEmpty() || cell.isEmpty())
                    continue;
                Misfit(view, text, view->sizeHintForIndex(index).width(), cell.width(),
                       QStringLiteral(" row %1 column %2").arg(row).arg(column));
            }
        }
    }

    void Header(QHeaderView* header)
    {
        const QAbstractItemModel* model = header->model();
        if (!model)
            return;
        const int count = header->orientation() == Qt::Horizontal ? model->columnCount() : model->rowCount();
        for (int section = 0; section < count; ++section) {
            if (header->isSectionHidden(section))
                continue;
            QStyleOptionHeader option;
            option.initFrom(header);
            option.section = section;
            option.orientation = header->orientation();
            option.text = model->headerData(section, header->orientation()).toString();
            if (option.text.isEmpty())
                continue;
            option.fontMetrics = header->fontMetrics();
            const QSize needed = header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
            Misfit(header, option.text, header->orientation() == Qt::Horizontal ? needed.width() : needed.height(),
                   header->sectionSize(section));
        }
    }

    void TabBar(QTabBar* bar)
    {
        const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        for (int tab = 0; tab < bar->count(); ++tab) {
            const QRect shown = bar->tabRect(tab).intersected(bar->rect());
            Misfit(bar, bar->tabText(tab), TextWidth(bar->fontMetrics(), bar->tabText(tab)) + padding, shown.width());
        }
    }

    void GroupBox(QGroupBox* group)
    {
        if (group->title().isEmpty())
            return;
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.textAlignment = group->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.lineWidth = 1;
        const QRect title =
            group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        Misfit(group, group->title(), title.right() + 1 + title.left(), group->width());
    }

    // A menu is never cut, but one wider than the screen cannot be read;
    // a title the bar has no room for moves to its overflow button.
    void MenuBar(QMenuBar* bar)
    {
        const int screen = bar->screen()->availableGeometry().width();
        for (QAction* title : bar->actions()) {
            const QRect place = bar->actionGeometry(title);
            Misfit(bar, title->text(), place.isEmpty() ? INT_MAX : place.right() + 1, bar->width());
            const QChar letter = Mnemonic(title->text());
            if (QMenu* menu = title->menu()) {
                Misfit(menu, title->text(), menu->sizeHint().width(), screen, QStringLiteral(" (menu)"));
                MenuMnemonics(menu);
            }
            if (!letter.isNull() && Rivals(letter))
                problems << QStringLiteral("%1: menu \"%2\" shares its letter with a control")
                                .arg(Where(), title->text());
        }
    }

    void MenuMnemonics(QMenu* menu)
    {
        std::set<char16_t> letters;
        for (QAction* action : menu->actions()) {
            const QChar letter = Mnemonic(action->text());
            if (!letter.isNull() && !letters.insert(letter.unicode()).second)
                problems << QStringLiteral("menu %1: \"%2\" repeats the letter %3")
                                .arg(menu->title(), action->text(), letter);
        }
    }

    // The shortcut letters of the visible controls, each used once.
    void Mnemonics(QWidget* window)
    {
        windowLetters_.clear();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->window() != window || !control->isVisibleTo(window))
                continue;
            QString text;
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                text = button->text();
            else if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
                text = label->text();
            else if (auto* group = qobject_cast<QGroupBox*>(control); group && group->isCheckable())
                text = group->title();
            const QChar letter = Mnemonic(text);
            if (letter.isNull())
                continue;
            if (!windowLetters_.insert(letter.unicode()).second)
                problems << QStringLiteral("%1 > %2: \"%3\" repeats the letter %4")
                                .arg(Name(window), Name(control), text, letter);
        }
    }

    bool Rivals(QChar letter) const { return windowLetters_.count(letter.unicode()) > 0; }

    QWidget* window_ = nullptr;
    std::set<char16_t> windowLetters_;
};

} // namespace captionaudit
