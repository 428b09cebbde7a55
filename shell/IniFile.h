#pragma once

#include "shell/TextEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace vel {

// What a path names once symbolic links are followed.
enum class FileKind { Missing, Regular, Other };
FileKind KindOf(const QString& path);

// An INI text kept as the bytes of its file, in UTF-8 or any 8-bit code, or
// in UTF-16 behind its byte-order mark. Lines end with CR, LF or CR LF.
// Section and key names match without regard to ASCII case; only the first
// matching section and the first matching key in it count. An edit changes
// the one value it sets and leaves every other byte as it was; added lines
// take the file's encoding and its most frequent line ending.
class IniFile {
public:
    explicit IniFile(const QByteArray& fileBytes = {});

    // The file is read only when it is a regular file of at most
    // MaxFileSize bytes; nothing when it is not, or cannot be read.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;
    static std::optional<IniFile> Load(const QString& path);
    // Replaces the file in one step: the old file stays until the new text is
    // complete on disk. A symbolic link is written through to its target; a
    // path that names anything but a regular file is never written.
    bool Save(const QString& path) const;

    QByteArray FileBytes() const { return EncodeText(decoded_); }
    TextEncoding Encoding() const { return decoded_.encoding; }

    // The value with the blanks around it removed; nothing when the key is not
    // listed in the section.
    std::optional<QByteArray> Value(QByteArrayView section, QByteArrayView key) const;
    // Replaces the value in place, or adds the key at the end of the section,
    // or adds the section at the end of the text.
    void SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    // Takes out every line of the key in the section, line break and all.
    void RemoveKey(QByteArrayView section, QByteArrayView key);

    // The key lines of the section in the order of the file, names and
    // values without the blanks around them; a key listed twice is listed
    // twice here, though only its first line counts.
    struct Entry {
        QByteArray key;
        QByteArray value;
    };
    std::vector<Entry> Entries(QByteArrayView section) const;

private:
    struct Location;
    // Where the key's first line in the section is; with an empty `key`, the
    // end of the section. `visit` sees every key line of the section before it.
    Location Locate(QByteArrayView section, QByteArrayView key,
                    const std::function<void(QByteArrayView key, QByteArrayView value)>& visit = {}) const;
    QByteArray LineBreak() const;

    DecodedText decoded_;
};

// A value longer than two characters that starts with "0x" or "0X" is read as
// 32 hexadecimal bits (0x8000000F is -2147483633); anything else as a signed
// decimal. Nothing when the value is not a whole number in 32 bits.
std::optional<std::int32_t> ParseProfileInteger(QByteArrayView value);

} // namespace vel
