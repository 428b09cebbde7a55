#include "CardFaces.h"
#include "GifWriter.h"
#include "Icons.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr int AceOfSpades = 52;

QList<QRgb> CardPalette()
{
    return {std::begin(Ink::Palette), std::end(Ink::Palette)};
}

// The transparent yellow, then black and the greys from 2 up to white, so
// the smooth edges of the ace of spades find their exact shade.
QList<QRgb> GreyPalette()
{
    QList<QRgb> palette = {Ink::Transparent, qRgb(0, 0, 0)};
    for (int grey = 2; grey < 256; ++grey)
        palette.append(qRgb(grey, grey, grey));
    return palette;
}

int GreyIndex(QRgb colour)
{
    if (colour == Ink::Transparent)
        return 0;
    if (qRed(colour) != qGreen(colour) || qGreen(colour) != qBlue(colour))
        return -1;
    return qMax(qRed(colour), 1);
}

// The face as palette indices: the eight inks, or for the ace of spades
// the grey ramp. A colour outside the palette is a drawing fault.
QImage Indexed(const QImage& face, bool greys)
{
    const QList<QRgb> palette = greys ? GreyPalette() : CardPalette();
    QImage indexed(face.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QRgb colour = face.pixel(x, y) | 0xff000000;
            const qsizetype index = greys ? GreyIndex(colour) : palette.indexOf(colour);
            if (index < 0)
                qFatal("colour %08x at %d,%d is not in the palette", colour, x, y);
            indexed.setPixel(x, y, static_cast<uint>(index));
        }
    }
    return indexed;
}

// Reads the encoded file back with Qt's decoder, so that a fault of the
// encoder never reaches the committed pictures.
void CheckDecodesTo(const QByteArray& gif, const QImage& indexed)
{
    const QImage decoded = QImage::fromData(gif, "GIF").convertToFormat(QImage::Format_ARGB32);
    if (decoded.size() != indexed.size())
        qFatal("the encoded picture does not decode");
    for (int y = 0; y < indexed.height(); ++y) {
        for (int x = 0; x < indexed.width(); ++x) {
            const int index = indexed.pixelIndex(x, y);
            const QRgb pixel = decoded.pixel(x, y);
            const bool same = index == 0 ? qAlpha(pixel) == 0 : pixel == indexed.color(index);
            if (!same)
                qFatal("the encoded picture differs at %d,%d", x, y);
        }
    }
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "cardgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WriteCards(const QDir& folder)
{
    for (int code = 1; code <= 52; ++code) {
        for (const int scale : {1, 2}) {
            GifPicture picture;
            picture.image = Indexed(RenderCardFace(code, scale).Image(), code == AceOfSpades);
            picture.interlaced = code != AceOfSpades;
            const QByteArray gif = EncodeGif(picture);
            CheckDecodesTo(gif, picture.image);
            const QString name = scale == 1 ? QStringLiteral("%1.gif") : QStringLiteral("%1@2x.gif");
            if (!WriteFile(folder.filePath(name.arg(code)), gif))
                return false;
        }
    }
    return true;
}

bool WritePng(const QString& path, const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") && WriteFile(path, bytes);
}

bool WriteIcons(const QDir& folder)
{
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        for (const IconPicture& icon : RenderToolIcons(scale))
            if (!WritePng(folder.filePath(icon.name + suffix), icon.image))
                return false;
        if (!WritePng(folder.filePath(QStringLiteral("spade32") + suffix), RenderSpadeIcon(32 * scale)))
            return false;
    }
    return true;
}

// The desktop's icon theme sizes of the program icon, and its scalable form.
bool WriteInstallIcons(const QDir& folder)
{
    for (const int size : {48, 64, 128, 256})
        if (!WritePng(folder.filePath(QStringLiteral("velpoker-%1.png").arg(size)), RenderSpadeIcon(size)))
            return false;
    return WriteFile(folder.filePath(QStringLiteral("velpoker.svg")), SpadeIconSvg());
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: cardgen <card folder> <icon folder> <install icon folder>\n");
        return 2;
    }
    for (int folder = 1; folder <= 3; ++folder)
        QDir().mkpath(args[folder]);
    const bool written = WriteCards(QDir(args[1])) && WriteIcons(QDir(args[2]))
                         && WriteInstallIcons(QDir(args[3]));
    return written ? 0 : 1;
}
