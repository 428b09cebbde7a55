#include "TableFixture.h"

#include "game/TableWidgets.h"
#include "views/Colors.h"
#include "views/SBPro.h"
#include "views/Unit2.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace fixture;

namespace {

int Scaled(int designed, int dpi)
{
    return qRound(designed * dpi / 96.0);
}

TCardPanel* Place(const TForm1& table, int place)
{
    return table.findChild<TCardPanel*>(QStringLiteral("Panel%1").arg(place));
}

QPushButton* Button(const TForm1& table, const char* name)
{
    return table.findChild<QPushButton*>(QLatin1String(name));
}

void WriteSettings(const Sandbox& sandbox, const QByteArray& lines)
{
    QDir().mkpath(QFileInfo(sandbox.ConfigFile()).path());
    QFile file(sandbox.ConfigFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Main]\n" + lines);
}

QString AccessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class TableTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(sandbox_.ConfigFile()); }
    void geometry_data();
    void geometry();
    void statusPanelsAtStart();
    void cardsShowTheirPictures();
    void cornersShowPlaceColor();
    void clicksToggleTheSamePlace_data();
    void clicksToggleTheSamePlace();
    void keysToggleOnlyWhileHolding();
    void focusFollowsTheLiveButton();
    void accessibleNamesFollowThePlaces();
    void screenshot();

private:
    Sandbox sandbox_;
};

void TableTest::geometry_data()
{
    QTest::addColumn<bool>("scaleCards");
    QTest::newRow("natural cards") << false;
    QTest::newRow("scaled cards") << true;
}

void TableTest::geometry()
{
    QFETCH(bool, scaleCards);
    WriteSettings(sandbox_, scaleCards ? "ScaleCards=1\n" : "ScaleCards=0\n");
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    const int dpi = table->logicalDpiX();
    QCOMPARE(table->centralWidget()->size(), QSize(Scaled(593, dpi), Scaled(433, dpi)));
    const int lefts[5] = {40, 144, 248, 352, 456};
    for (int place = 1; place <= 5; ++place) {
        TCardPanel* panel = Place(*table, place);
        QCOMPARE(panel->geometry(), QRect(Scaled(lefts[place - 1], dpi), Scaled(128, dpi), Scaled(97, dpi),
                                          Scaled(129, dpi)));
        const QRect box = panel->Image()->geometry();
        QCOMPARE(box.topLeft(), QPoint(10, 14));
        QCOMPARE(box.size(), dpi > 96 ? QSize(panel->width() - 24, panel->height() - 32) : QSize(73, 97));
        QCOMPARE(panel->Image()->Stretch(), dpi > 96 && scaleCards);
        const auto* marker = table->findChild<QLabel*>(QStringLiteral("Label%1").arg(place));
        QCOMPARE(marker->pos(), QPoint(Scaled(lefts[place - 1] + 16, dpi), Scaled(264, dpi)));
    }
    QCOMPARE(table->findChild<QLabel*>(QStringLiteral("Label9"))->pos(), QPoint(Scaled(40, dpi), Scaled(96, dpi)));
    QCOMPARE(table->findChild<QLabel*>(QStringLiteral("Label9"))->font().pixelSize(), Scaled(19, dpi));
    QCOMPARE(Button(*table, "BitBtn2")->geometry(),
             QRect(Scaled(264, dpi), Scaled(328, dpi), Scaled(75, dpi), Scaled(33, dpi)));
    const auto* bar = table->findChild<TStatusBarPro*>();
    QCOMPARE(bar->height(), Scaled(25, dpi));
    QCOMPARE(bar->y() + bar->height(), table->centralWidget()->height());
    const int w = (table->centralWidget()->width() - 26) / 5;
    const int widths[4] = {w, w + 15, w, w};
    int right = 0;
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(bar->PanelRect(i).width(), widths[i]);
        right += widths[i];
    }
    QCOMPARE(bar->PanelRect(4).width(), bar->width() - right);
    if (dpi == 96)
        QCOMPARE(bar->PanelRect(4).width(), 126);
}

void TableTest::statusPanelsAtStart()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    const auto* bar = table->findChild<TStatusBarPro*>();
    QCOMPARE(bar->Panel(1).Text(), QStringLiteral("Arlo Fenwick"));
    QCOMPARE(bar->Panel(2).Text(), QStringLiteral("vel Zezuv V1.0"));
    QCOMPARE(bar->Panel(3).Text(), QStringLiteral("Installed"));
    QCOMPARE(bar->Panel(4).Text(),
             table->logicalDpiX() > 96 ? QStringLiteral("Large Fonts") : QStringLiteral("Small Fonts"));
    QCOMPARE(table->findChild<QLabel*>(QStringLiteral("ElapsedTimeLabel1"))->text(),
             QStringLiteral("Elapsed Time   0:00:00"));
    QVERIFY(Button(*table, "BitBtn2")->isEnabled());
    QVERIFY(!Button(*table, "BitBtn1")->isEnabled());
}

void TableTest::cardsShowTheirPictures()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    const auto* deck = table->findChild<TForm2*>();
    table->BitBtn2Click();
    for (int place = 1; place <= 5; ++place) {
        const vel::Card card = table->State().Hand[place - 1];
        QCOMPARE(Place(*table, place)->Image()->Picture().toImage(), deck->CardPicture(card).toImage());
    }
    QVERIFY(deck->CardPicture(1).toImage() != deck->CardPicture(52).toImage());
}

void TableTest::cornersShowPlaceColor()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    table->BitBtn2Click();
    PressKey(*table, '1');
    for (int place = 1; place <= 2; ++place) {
        TCardPanel* panel = Place(*table, place);
        const QImage shot = panel->grab().toImage();
        const QRect box = panel->Image()->geometry().translated(2, 2);
        const QSize natural = panel->Image()->Picture().deviceIndependentSize().toSize();
        const QPoint corner = box.topLeft() + QPoint((box.width() - natural.width()) / 2,
                                                     (box.height() - natural.height()) / 2);
        const qreal ratio = shot.devicePixelRatio();
        QCOMPARE(shot.pixelColor(corner * ratio), panel->Color());
        QVERIFY(shot.pixelColor((corner + QPoint(natural.width() / 2, 0)) * ratio) != panel->Color()); // outline
    }
    QCOMPARE(Place(*table, 1)->Color(), vel::ToQColor(vel::clRed));
    QCOMPARE(Place(*table, 2)->Color(), vel::ToQColor(vel::clSkyBlue));
}

void TableTest::clicksToggleTheSamePlace_data()
{
    QTest::addColumn<QString>("part");
    QTest::newRow("picture") << "Image";
    QTest::newRow("panel border") << "Panel";
    QTest::newRow("marker") << "Label";
}

void TableTest::clicksToggleTheSamePlace()
{
    QFETCH(QString, part);
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    auto widgetOf = [&](int place) { return table->findChild<QWidget*>(part + QString::number(place)); };
    QTest::mouseClick(widgetOf(3), Qt::LeftButton, {}, QPoint(1, 1));
    QVERIFY(!table->State().Held[2]); // nothing dealt yet
    table->BitBtn2Click();
    for (int place = 1; place <= 5; ++place) {
        QTest::mouseClick(widgetOf(place), Qt::LeftButton, {}, QPoint(1, 1));
        for (int other = 1; other <= 5; ++other)
            QCOMPARE(table->State().Held[other - 1], other <= place);
        QCOMPARE(table->findChild<QLabel*>(QStringLiteral("Label%1").arg(place))->text(), QStringLiteral("HOLD"));
    }
    QTest::mouseClick(widgetOf(3), Qt::LeftButton, {}, QPoint(1, 1));
    QVERIFY(!table->State().Held[2]);
    QCOMPARE(Place(*table, 3)->Color(), vel::ToQColor(vel::clSkyBlue));
    QVERIFY(table->findChild<QLabel*>(QStringLiteral("Label3"))->text().isEmpty());
}

void TableTest::keysToggleOnlyWhileHolding()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    PressKey(*table, '1');
    QVERIFY(!table->State().Held[0]);
    table->BitBtn2Click();
    for (char key : {'0', '6', '7', '8', '9'})
        PressKey(*table, key);
    QCOMPARE(table->State().Held, (std::array<bool, 5>{}));
    for (char key : {'1', '2', '3', '4', '5', '3'})
        PressKey(*table, key);
    QCOMPARE(table->State().Held, (std::array<bool, 5>{true, true, false, true, true}));
    QTest::keyClick(table->focusWidget(), Qt::Key_Return); // Enter draws
    QVERIFY(!table->Round().CanHold());
    PressKey(*table, '1');
    QVERIFY(table->State().Held[0]); // after the draw the holds stand still
    QCOMPARE(table->focusWidget(), Button(*table, "BitBtn2"));
}

void TableTest::focusFollowsTheLiveButton()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QCOMPARE(table->focusWidget(), Button(*table, "BitBtn2"));
    table->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->setFocus();
    QTest::mouseClick(table->centralWidget(), Qt::LeftButton, {}, QPoint(300, 20));
    QCOMPARE(table->focusWidget(), Button(*table, "BitBtn2"));
    table->BitBtn2Click();
    QCOMPARE(table->focusWidget(), Button(*table, "BitBtn1"));
    table->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setFocus(); // disabled: refused
    QTest::mouseClick(table->centralWidget(), Qt::LeftButton, {}, QPoint(300, 20));
    QCOMPARE(table->focusWidget(), Button(*table, "BitBtn1"));
}

void TableTest::accessibleNamesFollowThePlaces()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QCOMPARE(AccessibleName(Place(*table, 1)), QStringLiteral("empty"));
    table->BitBtn2Click();
    const vel::Card first = table->State().Hand[0];
    QCOMPARE(AccessibleName(Place(*table, 1)), CardName(first));
    PressKey(*table, '1');
    QCOMPARE(AccessibleName(Place(*table, 1)), CardName(first) + QStringLiteral(", held"));
    QAccessibleInterface* second = QAccessible::queryAccessibleInterface(Place(*table, 2));
    QCOMPARE(second->role(), QAccessible::Button);
    QVERIFY(!second->state().checked);
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // a screen reader holds
    QVERIFY(table->State().Held[1]);
    QVERIFY(second->state().checked);
    QCOMPARE(CardName(52), QStringLiteral("Ace of Spades"));
    QCOMPARE(CardName(1), QStringLiteral("Two of Clubs"));
    QCOMPARE(CardName(35), QStringLiteral("Ten of Hearts"));
    auto* bar = table->findChild<TStatusBarPro*>();
    QAccessibleInterface* barInterface = QAccessible::queryAccessibleInterface(bar);
    QStringList texts;
    for (int i = 0; i < barInterface->childCount(); ++i)
        texts << barInterface->child(i)->text(QAccessible::Name);
    QVERIFY2(texts.contains(QStringLiteral("Arlo Fenwick")), qPrintable(texts.join(QLatin1Char('|'))));
}

void TableTest::screenshot()
{
    auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    // Kept beside the tests for a look at the table as the player meets it.
    const QString path = QStringLiteral("table-%1dpi.png").arg(table->logicalDpiX());
    const QImage image = table->grab().toImage();
    QVERIFY(image.save(path));
    const qreal ratio = image.devicePixelRatio();
    QCOMPARE((QSizeF(image.size()) / ratio).toSize(), table->size());
    // Before the first deal the five places show only their panel colour.
    for (int place = 1; place <= 5; ++place) {
        const TCardPanel* panel = Place(*table, place);
        const QPoint centre = panel->mapTo(table.get(), panel->rect().center());
        QCOMPARE(image.pixelColor((QPointF(centre) * ratio).toPoint()), vel::ToQColor(vel::clSkyBlue));
    }
    QCOMPARE(QImage(path), image.convertToFormat(QImage(path).format()));
}

QTEST_MAIN(TableTest)
#include "tst_table.moc"
