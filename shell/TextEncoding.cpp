#include "shell/TextEncoding.h"

#include <QByteArrayView>

namespace vel {

namespace {

constexpr QByteArrayView LittleEndianMark("\xFF\xFE");
constexpr QByteArrayView BigEndianMark("\xFE\xFF");

void AppendUnit(QByteArray& text, char16_t unit)
{
    if (unit < 0x80) {
        text.append(char(unit));
    } else if (unit < 0x800) {
        text.append(char(0xC0 | (unit >> 6)));
        text.append(char(0x80 | (unit & 0x3F)));
    } else {
        text.append(char(0xE0 | (unit >> 12)));
        text.append(char(0x80 | ((unit >> 6) & 0x3F)));
        text.append(char(0x80 | (unit & 0x3F)));
    }
}

// The code unit that starts at `pos`, and moves `pos` past it. A byte that
// starts no sequence AppendUnit writes stands for itself.
char16_t NextUnit(const QByteArray& text, qsizetype& pos)
{
    const auto byte = [&text](qsizetype at) { return static_cast<unsigned char>(text[at]); };
    const auto continues = [&](qsizetype at) { return at < text.size() && (byte(at) & 0xC0) == 0x80; };
    const unsigned char lead = byte(pos);
    if ((lead & 0xE0) == 0xC0 && continues(pos + 1)) {
        pos += 2;
        return char16_t(((lead & 0x1F) << 6) | (byte(pos - 1) & 0x3F));
    }
    if ((lead & 0xF0) == 0xE0 && continues(pos + 1) && continues(pos + 2)) {
        pos += 3;
        return char16_t(((lead & 0x0F) << 12) | ((byte(pos - 2) & 0x3F) << 6) | (byte(pos - 1) & 0x3F));
    }
    ++pos;
    return lead;
}

} // namespace

DecodedText DecodeText(const QByteArray& fileBytes)
{
    DecodedText decoded;
    if (fileBytes.startsWith(LittleEndianMark))
        decoded.encoding = TextEncoding::Utf16LittleEndian;
    else if (fileBytes.startsWith(BigEndianMark))
        decoded.encoding = TextEncoding::Utf16BigEndian;
    else {
        decoded.text = fileBytes;
        return decoded;
    }
    const bool bigEndian = decoded.encoding == TextEncoding::Utf16BigEndian;
    const qsizetype units = fileBytes.size() / 2;
    decoded.text.reserve(units);
    for (qsizetype i = 0; i < units; ++i) {
        const auto first = static_cast<unsigned char>(fileBytes[2 * i]);
        const auto second = static_cast<unsigned char>(fileBytes[2 * i + 1]);
        AppendUnit(decoded.text, bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first));
    }
    decoded.oddTail = fileBytes.sliced(2 * units);
    return decoded;
}

QByteArray EncodeText(const DecodedText& decoded)
{
    if (decoded.encoding == TextEncoding::Bytes)
        return decoded.text;
    const bool bigEndian = decoded.encoding == TextEncoding::Utf16BigEndian;
    QByteArray bytes;
    bytes.reserve(decoded.text.size() * 2 + decoded.oddTail.size());
    for (qsizetype pos = 0; pos < decoded.text.size();) {
        const char16_t unit = NextUnit(decoded.text, pos);
        const char high = char(unit >> 8);
        const char low = char(unit & 0xFF);
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return bytes + decoded.oddTail;
}

} // namespace vel
