#include "views/Unit2.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QSet>
#include <QtTest>

#include <memory>

namespace {

constexpr int AceOfSpades = 52;
constexpr QRgb Yellow = 0xffffff00;

// What a byte-level walk through a GIF file found.
struct GifLayout {
    QString error; // empty when the walk reached the trailer cleanly
    QSize screen;
    int paletteSize = 0;
    QList<QRgb> palette;
    int controlExtensions = 0;
    int otherExtensions = 0;
    int images = 0;
    bool transparency = false;
    int disposal = -1;
    int delay = -1;
    int transparentIndex = -1;
    QRect imageRect;
    bool localPalette = false;
    bool interlaced = false;
    int minimumCodeSize = 0;
};

class GifWalker {
public:
    explicit GifWalker(const QByteArray& bytes) : bytes_(bytes) {}

    GifLayout Walk()
    {
        if (bytes_.left(6) != "GIF89a")
            return Fail("not a GIF89a signature");
        layout_.screen = QSize(Word(6), Word(8));
        const int flags = Byte(10);
        if (!(flags & 0x80))
            return Fail("no global colour table");
        layout_.paletteSize = 1 << ((flags & 7) + 1);
        pos_ = 13;
        for (int entry = 0; entry < layout_.paletteSize; ++entry, pos_ += 3)
            layout_.palette.append(qRgb(Byte(pos_), Byte(pos_ + 1), Byte(pos_ + 2)));
        while (pos_ < bytes_.size()) {
            const int introducer = Byte(pos_++);
            if (introducer == 0x3b)
                return pos_ == bytes_.size() ? layout_ : Fail("bytes after the trailer");
            const bool read = introducer == 0x21 ? ReadExtension() : introducer == 0x2c && ReadImage();
            if (!read)
                return Fail(QStringLiteral("bad block 0x%1 at %2").arg(introducer, 0, 16).arg(pos_ - 1));
        }
        return Fail("no trailer");
    }

private:
    int Byte(qsizetype at) const { return at < bytes_.size() ? static_cast<uchar>(bytes_[at]) : -1; }
    int Word(qsizetype at) const { return Byte(at) | Byte(at + 1) << 8; }

    GifLayout Fail(const QString& error)
    {
        layout_.error = error;
        return layout_;
    }

    bool SkipSubBlocks()
    {
        for (int size = Byte(pos_); size > 0; size = Byte(pos_))
            pos_ += size + 1;
        ++pos_;
        return pos_ <= bytes_.size();
    }

    bool ReadExtension()
    {
        const int label = Byte(pos_++);
        if (label != 0xf9) {
            ++layout_.otherExtensions;
            return SkipSubBlocks();
        }
        ++layout_.controlExtensions;
        if (Byte(pos_) != 4 || Byte(pos_ + 5) != 0)
            return false;
        const int flags = Byte(pos_ + 1);
        layout_.transparency = flags & 1;
        layout_.disposal = flags >> 2 & 7;
        layout_.delay = Word(pos_ + 2);
        layout_.transparentIndex = Byte(pos_ + 4);
        pos_ += 6;
        return true;
    }

    bool ReadImage()
    {
        ++layout_.images;
        layout_.imageRect = QRect(Word(pos_), Word(pos_ + 2), Word(pos_ + 4), Word(pos_ + 6));
        const int flags = Byte(pos_ + 8);
        layout_.localPalette = flags & 0x80;
        layout_.interlaced = flags & 0x40;
        layout_.minimumCodeSize = Byte(pos_ + 9);
        pos_ += 10;
        return SkipSubBlocks();
    }

    QByteArray bytes_;
    qsizetype pos_ = 0;
    GifLayout layout_;
};

QByteArray ReadResource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString FaceFile(int card, bool doubled)
{
    return QStringLiteral(":/cards/%1%2.gif").arg(card).arg(doubled ? "@2x" : "");
}

QImage Argb(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

QList<QPoint> TransparentPixels(const QImage& image)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                points.append({x, y});
    return points;
}

int CountPixels(const QImage& image, bool (*matches)(QRgb))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) != 0 && matches(image.pixel(x, y));
    return count;
}

bool IsRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; }
bool IsGold(QRgb c) { return qRed(c) > 200 && qGreen(c) > 130 && qGreen(c) < 200 && qBlue(c) < 60; }
bool IsInk(QRgb c) { return qGray(c) < 250; }

} // namespace

class TestCardPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFaceIsASingleFrameGif_data();
    void everyFaceIsASingleFrameGif();
    void walkerRejectsBrokenFiles_data();
    void walkerRejectsBrokenFiles();
    void onlyTheCornersAreTransparent_data();
    void onlyTheCornersAreTransparent();
    void slotShowsItsCard_data();
    void slotShowsItsCard();
    void numberCardsCarryMoreInkWithRank_data();
    void numberCardsCarryMoreInkWithRank();
    void facesAreAllDifferent();
    void blankAndEmptySlots();
    void deckWindowHoldsTheImages();
    void iconsLoadAtBothRatios_data();
    void iconsLoadAtBothRatios();

private:
    std::unique_ptr<TForm2> deck_;
};

void TestCardPictures::initTestCase()
{
    InitBuiltInPictures();
    QVERIFY(QImageReader::supportedImageFormats().contains("gif"));
    deck_ = std::make_unique<TForm2>();
}

void TestCardPictures::everyFaceIsASingleFrameGif_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<bool>("doubled");
    for (int card = 1; card <= 52; ++card)
        for (const bool doubled : {false, true})
            QTest::addRow("%d%s", card, doubled ? "@2x" : "") << card << doubled;
}

void TestCardPictures::everyFaceIsASingleFrameGif()
{
    QFETCH(int, card);
    QFETCH(bool, doubled);
    const GifLayout gif = GifWalker(ReadResource(FaceFile(card, doubled))).Walk();
    QVERIFY2(gif.error.isEmpty(), qPrintable(gif.error));
    const QSize size = doubled ? QSize(146, 194) : QSize(73, 97);
    const bool aceOfSpades = card == AceOfSpades;
    QCOMPARE(gif.screen, size);
    QCOMPARE(gif.paletteSize, aceOfSpades ? 256 : 8);
    QCOMPARE(gif.controlExtensions, 1);
    QCOMPARE(gif.otherExtensions, 0);
    QCOMPARE(gif.images, 1);
    QVERIFY(gif.transparency);
    QCOMPARE(gif.disposal, 0);
    QCOMPARE(gif.delay, 0);
    QCOMPARE(gif.palette.value(gif.transparentIndex), Yellow);
    QCOMPARE(gif.imageRect, QRect(QPoint(0, 0), size));
    QVERIFY(!gif.localPalette);
    QCOMPARE(gif.interlaced, !aceOfSpades);
    QCOMPARE(gif.minimumCodeSize, aceOfSpades ? 8 : 3);
}

void TestCardPictures::walkerRejectsBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("broken");
    QTest::addColumn<int>("otherExtensions");
    QTest::addColumn<int>("images");
    const QByteArray good = ReadResource(FaceFile(1, false));
    const qsizetype image = 13 + 8 * 3 + 8; // after the palette and the control extension
    QByteArray oldSignature = good;
    oldSignature.replace(0, 6, "GIF87a");
    QByteArray comment = good;
    comment.insert(image, QByteArray("\x21\xfe\x02hi\x00", 6));
    QByteArray twoImages = good;
    twoImages.insert(good.size() - 1, good.mid(image, good.size() - 1 - image));
    QTest::newRow("as committed") << good << false << 0 << 1;
    QTest::newRow("GIF87a") << oldSignature << true << 0 << 1;
    QTest::newRow("no trailer") << good.chopped(1) << true << 0 << 1;
    QTest::newRow("comment") << comment << false << 1 << 1;
    QTest::newRow("two frames") << twoImages << false << 0 << 2;
}

void TestCardPictures::walkerRejectsBrokenFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, broken);
    QFETCH(int, otherExtensions);
    QFETCH(int, images);
    const GifLayout gif = GifWalker(bytes).Walk();
    QCOMPARE(!gif.error.isEmpty(), broken);
    if (broken)
        return;
    QCOMPARE(gif.otherExtensions, otherExtensions);
    QCOMPARE(gif.images, images);
}

void TestCardPictures::onlyTheCornersAreTransparent_data()
{
    QTest::addColumn<int>("card");
    for (int card = 1; card <= 52; ++card)
        QTest::addRow("%d", card) << card;
}

void TestCardPictures::onlyTheCornersAreTransparent()
{
    QFETCH(int, card);
    const QImage plain = QImageReader(FaceFile(card, false)).read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(TransparentPixels(plain), QList<QPoint>({{0, 0}, {72, 0}, {0, 96}, {72, 96}}));

    // At double size the rounding takes three pixels in each corner.
    const QImage doubled = QImageReader(FaceFile(card, true)).read().convertToFormat(QImage::Format_ARGB32);
    const QList<QPoint> clear = TransparentPixels(doubled);
    QCOMPARE(clear.size(), 12);
    for (const QPoint& p : clear) {
        const int dx = qMin(p.x(), 145 - p.x()), dy = qMin(p.y(), 193 - p.y());
        QVERIFY2(dx + dy <= 1, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }
}

void TestCardPictures::slotShowsItsCard_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<qreal>("ratio");
    for (int card = 1; card <= 52; ++card)
        for (const qreal ratio : {1.0, 2.0})
            QTest::addRow("%d at %g", card, ratio) << card << ratio;
}

void TestCardPictures::slotShowsItsCard()
{
    QFETCH(int, card);
    QFETCH(qreal, ratio);
    const QPixmap& picture = deck_->CardPicture(card, ratio);
    QCOMPARE(picture.devicePixelRatio(), ratio);
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(73, 97));
    const QImage face = Argb(picture);
    const int suit = (card - 1) / 13, rank = (card - 1) % 13;
    const bool redSuit = suit == 1 || suit == 2;
    const int red = CountPixels(face, IsRed);
    QVERIFY2(redSuit ? red > 0 : red == 0, qPrintable(QString::number(red)));
    // Only the jack, queen and king wear gold.
    const bool court = rank >= 9 && rank <= 11;
    QCOMPARE(CountPixels(face, IsGold) > 0, court);
}

void TestCardPictures::numberCardsCarryMoreInkWithRank_data()
{
    QTest::addColumn<int>("suit");
    QTest::addColumn<qreal>("ratio");
    const char* const suits[] = {"clubs", "diamonds", "hearts", "spades"};
    for (int suit = 0; suit < 4; ++suit)
        for (const qreal ratio : {1.0, 2.0})
            QTest::addRow("%s at %g", suits[suit], ratio) << suit << ratio;
}

// Each step from the two to the ten adds a pip, so the slots of a suit must
// hold its number cards in rank order.
void TestCardPictures::numberCardsCarryMoreInkWithRank()
{
    QFETCH(int, suit);
    QFETCH(qreal, ratio);
    int previous = 0;
    for (int rank = 0; rank <= 8; ++rank) {
        const int ink = CountPixels(Argb(deck_->CardPicture(suit * 13 + rank + 1, ratio)), IsInk);
        QVERIFY2(ink > previous, qPrintable(QStringLiteral("rank %1").arg(rank + 2)));
        previous = ink;
    }
}

void TestCardPictures::facesAreAllDifferent()
{
    QSet<QByteArray> seen;
    for (int card = 1; card <= 52; ++card) {
        const QImage face = Argb(deck_->CardPicture(card));
        seen.insert(QByteArray(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes()));
    }
    QCOMPARE(seen.size(), 52);
}

void TestCardPictures::blankAndEmptySlots()
{
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap& blank = deck_->CardPicture(TForm2::BlankSlot, ratio);
        QCOMPARE(blank.deviceIndependentSize(), QSizeF(73, 97));
        const QImage image = Argb(blank);
        QCOMPARE(TransparentPixels(image).size(), image.width() * image.height());
    }
    for (int slot = 53; slot <= 55; ++slot)
        QVERIFY(deck_->CardPicture(slot).isNull());
}

void TestCardPictures::deckWindowHoldsTheImages()
{
    QCOMPARE(deck_->windowTitle(), QStringLiteral("velPoker - Deck"));
    QVERIFY(!deck_->isVisible());
    for (const int slot : {1, 14, 52, 56}) {
        const auto* image = deck_->findChild<QLabel*>(QStringLiteral("Image%1").arg(slot));
        QVERIFY(image);
        QCOMPARE(Argb(image->pixmap()), Argb(deck_->CardPicture(slot, deck_->devicePixelRatioF())));
    }
}

void TestCardPictures::iconsLoadAtBothRatios_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    for (const char* name : {"draw", "bet", "payouts", "pause", "printer", "help", "strategy"})
        QTest::newRow(name) << QString::fromLatin1(name) << 16;
    QTest::newRow("spade32") << QStringLiteral("spade32") << 32;
}

void TestCardPictures::iconsLoadAtBothRatios()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    const QIcon icon(QStringLiteral(":/icons/%1.png").arg(name));
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap picture = icon.pixmap(QSize(size, size), ratio);
        QCOMPARE(picture.size(), QSize(size, size) * ratio);
        const QImage image = Argb(picture);
        const int opaque = image.width() * image.height() - int(TransparentPixels(image).size());
        QVERIFY(opaque > image.width());
        QVERIFY(opaque < image.width() * image.height());
    }
}

// The screen runs at device pixel ratio 2, as on a high-density display:
// icons must then find their double-size files on their own.
int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestCardPictures test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cardpictures.moc"
