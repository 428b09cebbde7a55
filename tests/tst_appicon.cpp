// The program's spade: black, with a thin light rim so that it still shows
// on a dark panel. Checked on the window icon at both ratios and on every
// icon size the desktop installs.
#include "views/Unit2.h"

#include <QImage>
#include <QtTest>

namespace {

int Lightness(QRgb pixel)
{
    return qGray(pixel);
}

bool IsBackground(const QImage& image, int x, int y)
{
    return x < 0 || y < 0 || x >= image.width() || y >= image.height() || qAlpha(image.pixel(x, y)) < 128;
}

// Mostly opaque pixels that touch the mostly transparent background: the
// outline a panel sees around the picture.
QList<QRgb> EdgePixels(const QImage& image)
{
    QList<QRgb> edge;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (IsBackground(image, x, y))
                continue;
            if (IsBackground(image, x - 1, y) || IsBackground(image, x + 1, y) || IsBackground(image, x, y - 1)
                || IsBackground(image, x, y + 1))
                edge.append(pixel);
        }
    return edge;
}

} // namespace

class TestAppIcon : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitBuiltInPictures(); }
    void spadeIsBlackWithALightRim_data();
    void spadeIsBlackWithALightRim();
};

void TestAppIcon::spadeIsBlackWithALightRim_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::newRow("window icon") << QStringLiteral(":/icons/spade32.png") << 32;
    QTest::newRow("window icon @2x") << QStringLiteral(":/icons/spade32@2x.png") << 64;
    for (const int size : {48, 64, 128, 256})
        QTest::addRow("desktop %d", size)
            << QFINDTESTDATA(QStringLiteral("../data/icons/velpoker-%1.png").arg(size)) << size;
}

void TestAppIcon::spadeIsBlackWithALightRim()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(size, size));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);

    // The body of the blade is solid black.
    const QRgb body = icon.pixel(size / 2, size * 55 / 100);
    QCOMPARE(qAlpha(body), 255);
    QCOMPARE(Lightness(body), 0);

    // Its whole outline is light...
    const QList<QRgb> edge = EdgePixels(icon);
    QVERIFY(edge.size() > size);
    for (const QRgb pixel : edge)
        QVERIFY2(Lightness(pixel) >= 160, qPrintable(QString::number(pixel, 16)));

    // ...and thin: most of the spade stays black.
    int opaque = 0, light = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                ++opaque;
                light += Lightness(pixel) >= 160;
            }
        }
    QVERIFY2(light * 4 < opaque, qPrintable(QStringLiteral("%1 of %2 light").arg(light).arg(opaque)));
}

QTEST_MAIN(TestAppIcon)

#include "tst_appicon.moc"
