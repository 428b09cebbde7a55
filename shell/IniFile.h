#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

namespace vel {

// An INI text kept as the raw bytes of its file. Section and key names match
// without regard to ASCII case; only the first matching section and the first
// matching key in it count. An edit changes the bytes of the one value it sets
// and leaves every other line, line ending and byte-order mark as it was.
class IniFile {
public:
    explicit IniFile(QByteArray text = {});

    // The whole file, or nothing when it cannot be opened or read.
    static std::optional<IniFile> Load(const QString& path);
    // Replaces the file in one step: the old file stays until the new text is
    // complete on disk. A symbolic link is written through to its target.
    bool Save(const QString& path) const;

    const QByteArray& Text() const { return text_; }

    // The value with the blanks around it removed; nothing when the key is not
    // listed in the section.
    std::optional<QByteArray> Value(QByteArrayView section, QByteArrayView key) const;
    // Replaces the value in place, or adds the key at the end of the section,
    // or adds the section at the end of the text.
    void SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);

private:
    struct Location;
    Location Locate(QByteArrayView section, QByteArrayView key) const;
    QByteArray LineBreak() const;

    QByteArray text_;
};

// A value longer than two characters that starts with "0x" or "0X" is read as
// 32 hexadecimal bits (0x8000000F is -2147483633); anything else as a signed
// decimal. Nothing when the value is not a whole number in 32 bits.
std::optional<std::int32_t> ParseProfileInteger(QByteArrayView value);

} // namespace vel
