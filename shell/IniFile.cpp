#include "shell/IniFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
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
};

IniFile::IniFile(QByteArray text)
    : text_(std::move(text))
{
}

std::optional<IniFile> IniFile::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return IniFile(std::move(text));
}

bool IniFile::Save(const QString& path) const
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text_) == text_.size() && file.commit();
}

IniFile::Location IniFile::Locate(QByteArrayView section, QByteArrayView key) const
{
    Location at;
    at.insertAt = text_.size();
    for (qsizetype pos = ContentStart(text_); pos < text_.size();) {
        const qsizetype newline = Find(text_, {pos, text_.size()}, '\n');
        const qsizetype lineEnd = newline < 0 ? text_.size() : newline;
        const qsizetype next = newline < 0 ? text_.size() : newline + 1;
        const Span line = Trimmed(text_, {pos, lineEnd});
        pos = next;
        if (const auto name = SectionName(text_, line)) {
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
        const qsizetype equals = Find(text_, line, '=');
        if (equals >= 0 && SameName(View(text_, Trimmed(text_, {line.begin, equals})), key)) {
            at.value = Trimmed(text_, {equals + 1, line.end});
            break;
        }
    }
    return at;
}

QByteArray IniFile::LineBreak() const
{
    const qsizetype newline = text_.indexOf('\n');
    return newline > 0 && text_[newline - 1] == '\r' ? "\r\n" : "\n";
}

std::optional<QByteArray> IniFile::Value(QByteArrayView section, QByteArrayView key) const
{
    const Location at = Locate(section, key);
    if (!at.value)
        return std::nullopt;
    return View(text_, *at.value).toByteArray();
}

void IniFile::SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const Location at = Locate(section, key);
    if (at.value) {
        text_.replace(at.value->begin, at.value->end - at.value->begin, value);
        return;
    }
    const QByteArray lineBreak = LineBreak();
    QByteArray entry;
    if (at.insertAt > ContentStart(text_) && text_[at.insertAt - 1] != '\n')
        entry += lineBreak;
    if (!at.sectionFound)
        entry.append('[').append(section).append(']').append(lineBreak);
    entry.append(key).append('=').append(value).append(lineBreak);
    text_.insert(at.insertAt, entry);
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
