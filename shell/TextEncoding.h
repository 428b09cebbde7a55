#pragma once

#include <QByteArray>

namespace vel {

// How a text file stores its characters, told by its byte-order mark. A file
// without a UTF-16 mark is taken byte for byte (UTF-8 or any 8-bit code).
enum class TextEncoding { Bytes, Utf16LittleEndian, Utf16BigEndian };

// A file's text as bytes that an ASCII parser can read. For UTF-16 every code
// unit, the byte-order mark and lone surrogates included, becomes its own
// UTF-8 sequence, so ASCII stays ASCII, nothing else looks like ASCII, and
// the file's bytes come back exactly.
struct DecodedText {
    TextEncoding encoding = TextEncoding::Bytes;
    QByteArray text;
    QByteArray oddTail; // the last byte of a UTF-16 file of odd length
};

DecodedText DecodeText(const QByteArray& fileBytes);
// The file's bytes for `decoded`; ASCII added to its text is encoded too.
QByteArray EncodeText(const DecodedText& decoded);

} // namespace vel
