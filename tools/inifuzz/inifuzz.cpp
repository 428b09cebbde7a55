#include "shell/IniFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

constexpr QByteArrayView Main("Main");
constexpr std::array<QByteArrayView, 6> Keys{"CelebrateLevel", "Payout", "PanelColor",
                                             "WinColor", "HoldColor", "ScaleCards"};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Whether `whole` is `part` with bytes inserted.
bool Contains(const QByteArray& whole, const QByteArray& part)
{
    qsizetype matched = 0;
    for (char c : whole)
        if (matched < part.size() && part[matched] == c)
            ++matched;
    return matched == part.size();
}

QByteArray NumberFor(std::size_t key)
{
    return QByteArray::number(-2147483647 + 99991 * static_cast<int>(key));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray original(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    vel::IniFile ini(original);

    std::array<std::optional<QByteArray>, Keys.size()> before;
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        before[i] = ini.Value(Main, Keys[i]);
        if (before[i])
            vel::ParseProfileInteger(*before[i]);
    }

    for (std::size_t i = 0; i < Keys.size(); ++i)
        ini.SetValue(Main, Keys[i], NumberFor(i));
    for (std::size_t i = 0; i < Keys.size(); ++i)
        Check(ini.Value(Main, Keys[i]) == NumberFor(i));

    // With the old values back, the only change left is the keys that were added.
    for (std::size_t i = 0; i < Keys.size(); ++i)
        if (before[i])
            ini.SetValue(Main, Keys[i], *before[i]);
    Check(Contains(ini.Text(), original));
    if (std::all_of(before.begin(), before.end(), [](const auto& value) { return value.has_value(); }))
        Check(ini.Text() == original);
    return 0;
}
