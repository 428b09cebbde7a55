#include "shell/Unit6.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace vel;

Q_DECLARE_METATYPE(std::function<void(TForm6&)>)

namespace {

using Action = std::function<void(TForm6&)>;

// Runs the dialog modally; `whileOpen` acts on it as the player would and
// must close it.
int ExecWith(TForm6& dialog, const Action& whileOpen)
{
    QTimer::singleShot(0, &dialog, [&] {
        const bool active = QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; });
        if (active && QApplication::activeModalWidget() == &dialog)
            whileOpen(dialog);
        if (dialog.isVisible()) // a failed check must not hang the test
            dialog.done(-1);
    });
    return dialog.exec();
}

// Chooses an entry of a colour list with the keyboard, as a player does.
void PickColor(QComboBox* box, const QString& identifier)
{
    box->setFocus();
    const int target = box->findText(identifier);
    while (box->currentIndex() < target)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > target)
        QTest::keyClick(box, Qt::Key_Up);
}

// A pixel inside the panel's frame, left of its centred caption.
QColor BackgroundOf(QWidget* panel)
{
    return panel->grab().toImage().pixelColor(4, 4);
}

int ScreenDpi()
{
    return qEnvironmentVariableIntValue("QT_FONT_DPI");
}

constexpr TColor Maroon = 0x000080;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor White = 0xFFFFFF;
constexpr TColor NotInAnyList = 0x123456;

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void designAtThisResolution();
    void colourListsHoldTheNamedColoursInOrder();
    void showSelectsThePanelColours();
    void levelEntries_data();
    void levelEntries();
    void okWithoutChangeReturnsTheSameValues();
    void closingWithoutOk_data();
    void closingWithoutOk();
    void pickedColourPaintsThePreview();
    void colourInNoListSurvivesOk();
    void resetThenOk();
    void labelFocusesTheLevelList();

private:
    QWidget* mainWindow_ = nullptr;
    TForm6* dialog_ = nullptr;
};

void OptionsTest::init()
{
    mainWindow_ = new QWidget;
    mainWindow_->resize(593, 433);
    mainWindow_->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow_));
    dialog_ = new TForm6(mainWindow_);
}

void OptionsTest::cleanup()
{
    delete mainWindow_;
}

void OptionsTest::designAtThisResolution()
{
    QVERIFY2(ScreenDpi() >= 96, "run with QT_FONT_DPI set");
    const bool largeFonts = ScreenDpi() > 96;
    dialog_->LoadValues(clSkyBlue, clRed, clGreen, 6, true);
    bool checkBoxEnabled = !largeFonts;
    bool explanationEnabled = !largeFonts;
    ExecWith(*dialog_, [&](TForm6& dialog) {
        checkBoxEnabled = dialog.CheckBox1->isEnabled();
        explanationEnabled = dialog.Label3->isEnabled();
        dialog.reject();
    });
    QCOMPARE(checkBoxEnabled, largeFonts);
    QCOMPARE(explanationEnabled, largeFonts);
    QVERIFY(dialog_->CheckBox1->isChecked());
    QCOMPARE(dialog_->size(), QSize((300 * ScreenDpi() + 48) / 96, (356 * ScreenDpi() + 48) / 96));
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("vel Zezuv - Options"));
    QCOMPARE(dialog_->Panel2->toolTip(), QStringLiteral("Hold Color"));
}

void OptionsTest::colourListsHoldTheNamedColoursInOrder()
{
    for (QComboBox* box : {dialog_->ColorBox1, dialog_->ColorBox2, dialog_->ColorBox3}) {
        QCOMPARE(box->count(), 50);
        QCOMPARE(box->itemText(0), QStringLiteral("clBlack"));
        QCOMPARE(box->itemText(17), QStringLiteral("clSkyBlue"));
        QCOMPARE(box->itemText(20), QStringLiteral("clActiveBorder"));
        QCOMPARE(box->itemText(49), QStringLiteral("clWindowText"));
        QCOMPARE(box->itemData(17).toInt(), clSkyBlue);
    }
    // System colours are shown in this desktop's colours.
    QComboBox* box = dialog_->ColorBox1;
    const QImage swatch = box->itemIcon(box->findText(QStringLiteral("clHighlight"))).pixmap(box->iconSize()).toImage();
    QCOMPARE(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), box->palette().color(QPalette::Highlight));
}

void OptionsTest::showSelectsThePanelColours()
{
    dialog_->LoadValues(clBtnFace, Yellow, clGreen, 6, false);
    QString first, second, third;
    ExecWith(*dialog_, [&](TForm6& dialog) {
        first = dialog.ColorBox1->currentText();
        second = dialog.ColorBox2->currentText();
        third = dialog.ColorBox3->currentText();
        dialog.reject();
    });
    QCOMPARE(first, QStringLiteral("clBtnFace"));
    QCOMPARE(second, QStringLiteral("clYellow"));
    QCOMPARE(third, QStringLiteral("clGreen"));
}

void OptionsTest::levelEntries_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("entry");
    QTest::newRow("lowest") << 1 << "Jacks or Better";
    QTest::newRow("default") << 6 << "Full House";
    QTest::newRow("never") << 10 << "Never";
}

void OptionsTest::levelEntries()
{
    QFETCH(int, level);
    QFETCH(QString, entry);
    dialog_->LoadValues(clSkyBlue, clRed, clGreen, level, false);
    QCOMPARE(dialog_->ComboBox1->currentText(), entry);
    QCOMPARE(dialog_->CelebrateLevel(), level);
}

void OptionsTest::okWithoutChangeReturnsTheSameValues()
{
    dialog_->LoadValues(Maroon, clBtnFace, White, 3, true);
    const int result = ExecWith(*dialog_, [](TForm6& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog_->PanelColor(), Maroon);
    QCOMPARE(dialog_->HoldColor(), clBtnFace);
    QCOMPARE(dialog_->WinColor(), White);
    QCOMPARE(dialog_->CelebrateLevel(), 3);
    QCOMPARE(dialog_->ScaleCards(), true);
}

void OptionsTest::closingWithoutOk_data()
{
    QTest::addColumn<Action>("close");
    QTest::newRow("Cancel") << Action([](TForm6& dialog) { QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton); });
    QTest::newRow("Esc") << Action([](TForm6& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QTest::newRow("close box") << Action([](TForm6& dialog) { dialog.close(); });
    QTest::newRow("Reset then Cancel") << Action([](TForm6& dialog) {
        QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
        QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
    });
}

// The main window applies nothing unless the result is OK; a fresh load
// shows the stored values again.
void OptionsTest::closingWithoutOk()
{
    QFETCH(Action, close);
    dialog_->LoadValues(White, clRed, clGreen, 2, true);
    const int result = ExecWith(*dialog_, [&](TForm6& dialog) {
        PickColor(dialog.ColorBox1, QStringLiteral("clNavy"));
        close(dialog);
    });
    QCOMPARE(result, int(QDialog::Rejected));

    dialog_->LoadValues(White, clRed, clGreen, 2, true);
    QString shown;
    ExecWith(*dialog_, [&](TForm6& dialog) {
        shown = dialog.ColorBox1->currentText();
        dialog.reject();
    });
    QCOMPARE(shown, QStringLiteral("clWhite"));
    QCOMPARE(dialog_->PanelColor(), White);
    QCOMPARE(dialog_->CelebrateLevel(), 2);
    QVERIFY(dialog_->ScaleCards());
}

void OptionsTest::pickedColourPaintsThePreview()
{
    dialog_->LoadValues(clSkyBlue, clRed, clGreen, 6, false);
    QColor preview;
    const int result = ExecWith(*dialog_, [&](TForm6& dialog) {
        PickColor(dialog.ColorBox2, QStringLiteral("clYellow"));
        preview = BackgroundOf(dialog.Panel2);
        QTest::mouseClick(dialog.BitBtn2, Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(preview, QColor(Qt::yellow));
    QCOMPARE(dialog_->HoldColor(), Yellow);
    QCOMPARE(dialog_->PanelColor(), clSkyBlue);
}

void OptionsTest::colourInNoListSurvivesOk()
{
    dialog_->LoadValues(NotInAnyList, clRed, clGreen, 6, false);
    int selected = 0;
    QColor preview;
    const int result = ExecWith(*dialog_, [&](TForm6& dialog) {
        selected = dialog.ColorBox1->currentIndex();
        preview = BackgroundOf(dialog.Panel1);
        QTest::mouseClick(dialog.BitBtn2, Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(selected, -1);
    QCOMPARE(preview, QColor(0x56, 0x34, 0x12));
    QCOMPARE(dialog_->PanelColor(), NotInAnyList);
}

void OptionsTest::resetThenOk()
{
    dialog_->LoadValues(NotInAnyList, clBtnFace, White, 2, true);
    QStringList selected;
    const int result = ExecWith(*dialog_, [&](TForm6& dialog) {
        QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
        for (QComboBox* box : {dialog.ColorBox1, dialog.ColorBox2, dialog.ColorBox3})
            selected << box->currentText();
        QTest::mouseClick(dialog.BitBtn2, Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(selected, QStringList({"clSkyBlue", "clRed", "clGreen"}));
    QCOMPARE(dialog_->PanelColor(), clSkyBlue);
    QCOMPARE(dialog_->HoldColor(), clRed);
    QCOMPARE(dialog_->WinColor(), clGreen);
    QCOMPARE(dialog_->CelebrateLevel(), 6);
    // Also where the check box is greyed.
    QCOMPARE(dialog_->ScaleCards(), false);
}

void OptionsTest::labelFocusesTheLevelList()
{
    dialog_->LoadValues(clSkyBlue, clRed, clGreen, 6, false);
    QWidget* focused = nullptr;
    ExecWith(*dialog_, [&](TForm6& dialog) {
        QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
        focused = dialog.focusWidget();
        dialog.reject();
    });
    QCOMPARE(focused, dialog_->ComboBox1);
}

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
