#include "shell/IniFile.h"

#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace vel {

namespace {

constexpr QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");

// A half-open range of byte positions in the text.
struct Span {
    qsizetype begin;
    qsizetype end;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

Span Trimmed(const QByteArray& text, Span span)
{
    while (span.begin < span.end && IsBlank(text[span.begin]))
        ++span.begin;
    while (span.end > span.begin && IsBlank(text[span.end - 1]))
        --span.end;
    return span;
}

QByteArrayView View(const QByteArray& text, Span span)
{
    return QByteArrayView(text).sliced(span.begin, span.end - span.begin);
}

// The position of `c` inside `span`, or -1.
qsizetype Find(const QByteArray& text, Span span, char c)
{
    const char* first = text.constData() + span.begin;
    const char* last = text.constData() + span.end;
    const char* found = std::find(first, last, c);
    return found == last ? -1 : found - text.constData();
}

bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// The end of the line that starts at `pos`, and the start of the next one.
Span LineFrom(const QByteArray& text, qsizetype pos)
{
    const char* first = text.constData() + pos;
    const char* last = text.constData() + text.size();
    const qsizetype end = std::find_if(first, last, IsLineBreak) - text.constData();
    if (end == text.size())
        return {end, end};
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    return {end, end + (crlf ? 2 : 1)};
}

bool SameName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name between the brackets of a trimmed "[name]" line.
std::optional<QByteArrayView> SectionName(const QByteArray& text, Span line)
{
    if (line.begin == line.end || text[line.begin] != '[')
        return std::nullopt;
    const qsizetype close = Find(text, line, ']');
    if (close < 0)
        return std::nullopt;
    return View(text, Trimmed(text, {line.begin + 1, close}));
}

qsizetype ContentStart(const QByteArray& text)
{
    return text.startsWith(Utf8ByteOrderMark) ? Utf8ByteOrderMark.size() : 0;
}

} // namespace

struct IniFile::Location {
    bool sectionFound = false;
    qsizetype insertAt = 0; // where a missing key or section goes
    std::optional<Span> value;
    Span line{}; // the key's line with its line break, when the key is found
};

FileKind KindOf(const QString& path)
{
    struct stat status {};
    if (stat(QFile::encodeName(path).constData(), &status) != 0)
        return FileKind::Missing;
    return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
}

IniFile::IniFile(const QByteArray& fileBytes)
    : decoded_(DecodeText(fileBytes))
{
}

std::optional<IniFile> IniFile::Load(const QString& path)
{
    // The kind is checked before the open, so that no device is opened, and
    // again on the open file, in case the path was replaced in between. A
    // FIFO does not block a non-blocking open.
    if (KindOf(path) != FileKind::Regular)
        return std::nullopt;
    const int handle = open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return std::nullopt;
    struct stat status {};
    QFile file;
    if (fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(handle);
        return std::nullopt;
    }
    if (status.st_size > MaxFileSize)
        return std::nullopt;
    // One byte more than the size shows a file that grows while it is read.
    const QByteArray bytes = file.read(status.st_size + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > status.st_size)
        return std::nullopt;
    return IniFile(bytes);
}

bool IniFile::Save(const QString& path) const
{
    if (KindOf(path) == FileKind::Other)
        return false;
    const QByteArray bytes = FileBytes();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

IniFile::Location IniFile::Locate(QByteArrayView section, QByteArrayView key,
                                  const std::function<void(QByteArrayView, QByteArrayView)>& visit) const
{
    const QByteArray& text = decoded_.text;
    Location at;
    at.insertAt = text.size();
    for (qsizetype pos = ContentStart(text); pos < text.size();) {
        const qsizetype start = pos;
        const auto [lineEnd, next] = LineFrom(text, pos);
        const Span line = Trimmed(text, {pos, lineEnd});
        pos = next;
        if (const auto name = SectionName(text, line)) {
            if (at.sectionFound)
                break;
            if (SameName(*name, section)) {
                at.sectionFound = true;
                at.insertAt = next;
            }
            continue;
        }
        if (!at.sectionFound || line.begin == line.end)
            continue;
        // New keys go after the last line of the section that is not blank.
        at.insertAt = next;
        const qsizetype equals = Find(text, line, '=');
        if (equals < 0)
            continue;
        const QByteArrayView name = View(text, Trimmed(text, {line.begin, equals}));
        const Span value = Trimmed(text, {equals + 1, line.end});
        if (!key.isEmpty() && SameName(name, key)) {
            at.value = value;
            at.line = {start, next};
            break;
        }
        if (visit)
            visit(name, View(text, value));
    }
    return at;
}

QByteArray IniFile::LineBreak() const
{
    // LF wins a tie, and stands when the text has no line break yet.
    const std::array<QByteArray, 3> breaks{"\n", "\r\n", "\r"};
    std::array<qsizetype, 3> counts{};
    const QByteArray& text = decoded_.text;
    for (qsizetype pos = 0; pos < text.size();) {
        const Span lineBreak = LineFrom(text, pos);
        const QByteArrayView found = View(text, lineBreak);
        for (std::size_t i = 0; i < breaks.size(); ++i)
            counts[i] += found == breaks[i];
        pos = lineBreak.end;
    }
    return breaks[std::max_element(counts.begin(), counts.end()) - counts.begin()];
}

std::optional<QByteArray> IniFile::Value(QByteArrayView section, QByteArrayView key) const
{
    const Location at = Locate(section, key);
    if (!at.value)
        return std::nullopt;
    return View(decoded_.text, *at.value).toByteArray();
}

void IniFile::SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const Location at = Locate(section, key);
    if (at.value) {
        decoded_.text.replace(at.value->begin, at.value->end - at.value->begin, value);
        return;
    }
    const QByteArray lineBreak = LineBreak();
    QByteArray entry;
    if (at.insertAt > ContentStart(decoded_.text) && !IsLineBreak(decoded_.text[at.insertAt - 1]))
        entry += lineBreak;
    if (!at.sectionFound)
        entry.append('[').append(section).append(']').append(lineBreak);
    entry.append(key).append('=').append(value).append(lineBreak);
    decoded_.text.insert(at.insertAt, entry);
}

void IniFile::RemoveKey(QByteArrayView section, QByteArrayView key)
{
    for (Location at = Locate(section, key); at.value; at = Locate(section, key))
        decoded_.text.remove(at.line.begin, at.line.end - at.line.begin);
}

std::vector<IniFile::Entry> IniFile::Entries(QByteArrayView section) const
{
    std::vector<Entry> entries;
    Locate(section, {}, [&entries](QByteArrayView key, QByteArrayView value) {
        entries.push_back({key.toByteArray(), value.toByteArray()});
    });
    return entries;
}

std::optional<std::int32_t> ParseProfileInteger(QByteArrayView value)
{
    const char* first = value.data();
    const char* const last = first + value.size();
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        std::uint32_t bits = 0;
        const auto [end, error] = std::from_chars(first + 2, last, bits, 16);
        if (error != std::errc{} || end != last)
            return std::nullopt;
        return static_cast<std::int32_t>(bits);
    }
    // from_chars takes a minus sign but no plus sign.
    if (value.size() > 1 && value[0] == '+' && value[1] != '-')
        ++first;
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc{} || end != last)
        return std::nullopt;
    return number;
}

} // namespace vel
