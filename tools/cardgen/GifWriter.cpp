#include "GifWriter.h"

#include <unordered_map>
#include <vector>

namespace {

constexpr int MaxCodeCount = 4096;

// Packs variable-width codes least significant bit first and cuts the
// stream into data sub-blocks of at most 255 bytes.
class CodeStream {
public:
    void Put(int code, int width)
    {
        bits_ |= static_cast<quint32>(code) << bitCount_;
        bitCount_ += width;
        while (bitCount_ >= 8) {
            bytes_.push_back(static_cast<char>(bits_ & 0xff));
            bits_ >>= 8;
            bitCount_ -= 8;
        }
    }

    QByteArray SubBlocks()
    {
        if (bitCount_ > 0)
            bytes_.push_back(static_cast<char>(bits_ & 0xff));
        bits_ = 0;
        bitCount_ = 0;
        QByteArray blocks;
        for (qsizetype start = 0; start < bytes_.size(); start += 255) {
            const QByteArray block = bytes_.mid(start, 255);
            blocks.append(static_cast<char>(block.size()));
            blocks.append(block);
        }
        blocks.append('\0');
        return blocks;
    }

private:
    QByteArray bytes_;
    quint32 bits_ = 0;
    int bitCount_ = 0;
};

QByteArray CompressLzw(const std::vector<uchar>& pixels, int minimumCodeSize)
{
    const int clearCode = 1 << minimumCodeSize;
    const int endCode = clearCode + 1;
    std::unordered_map<int, int> table; // (prefix code << 8 | pixel) -> code
    int lastCode = endCode;
    int width = minimumCodeSize + 1;
    CodeStream stream;
    stream.Put(clearCode, width);
    int prefix = pixels.front();
    for (size_t i = 1; i < pixels.size(); ++i) {
        const int key = prefix << 8 | pixels[i];
        if (const auto found = table.find(key); found != table.end()) {
            prefix = found->second;
            continue;
        }
        stream.Put(prefix, width);
        table.emplace(key, ++lastCode);
        if (lastCode >= (1 << width))
            ++width;
        if (lastCode == MaxCodeCount - 1) {
            stream.Put(clearCode, width);
            table.clear();
            lastCode = endCode;
            width = minimumCodeSize + 1;
        }
        prefix = pixels[i];
    }
    stream.Put(prefix, width);
    stream.Put(endCode, width);
    return stream.SubBlocks();
}

// Rows in storage order: either top to bottom, or the four interlace passes.
std::vector<int> RowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    constexpr int passStart[] = {0, 4, 2, 1};
    constexpr int passStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = passStart[pass]; y < height; y += passStep[pass])
            rows.push_back(y);
    return rows;
}

void AppendWord(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>(value >> 8 & 0xff));
}

int SizeExponent(int paletteSize)
{
    int exponent = 1;
    while ((1 << exponent) < paletteSize)
        ++exponent;
    return exponent;
}

} // namespace

QByteArray EncodeGif(const GifPicture& picture)
{
    const QImage& image = picture.image;
    const QList<QRgb> palette = image.colorTable();
    const int exponent = SizeExponent(palette.size());
    Q_ASSERT(palette.size() == (1 << exponent));

    QByteArray out("GIF89a");
    AppendWord(out, image.width());
    AppendWord(out, image.height());
    out.append(static_cast<char>(0x80 | 0x70 | (exponent - 1))); // global table, 8-bit colour
    out.append('\0');                                               // background index
    out.append('\0');                                               // square pixels
    for (const QRgb colour : palette) {
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }

    out.append("\x21\xf9\x04\x01", 4); // disposal 0, transparency on
    AppendWord(out, 0);                // no delay
    out.append(static_cast<char>(picture.transparentIndex));
    out.append('\0');

    out.append('\x2c');
    AppendWord(out, 0);
    AppendWord(out, 0);
    AppendWord(out, image.width());
    AppendWord(out, image.height());
    out.append(static_cast<char>(picture.interlaced ? 0x40 : 0x00));

    std::vector<uchar> pixels;
    pixels.reserve(static_cast<size_t>(image.width()) * image.height());
    for (const int y : RowOrder(image.height(), picture.interlaced)) {
        const uchar* row = image.constScanLine(y);
        pixels.insert(pixels.end(), row, row + image.width());
    }
    const int minimumCodeSize = std::max(2, exponent);
    out.append(static_cast<char>(minimumCodeSize));
    out.append(CompressLzw(pixels, minimumCodeSize));
    out.append('\x3b');
    return out;
}
