#include "engine/SubsetCounts.h"

#include "engine/Combinations.h"
#include "engine/FastEvaluator.h"
#include "engine/Parallel.h"

#include <algorithm>

namespace vel {

namespace {

inline constexpr auto CardKeys = [] {
    std::array<HandKey, StandardDeckSize> keys{};
    for (int index = 0; index < StandardDeckSize; ++index)
        keys[index] = CardKey(index + 1);
    return keys;
}();

// Counts the hands made of the four-card `key` plus each card of [from, to).
void CountCompletions(HandKey key, int from, int to, CategoryCounts& counts)
{
    for (int card = from; card < to; ++card)
        ++counts[CategoryOfKey(key + CardKeys[card])];
}

// Colex index of `ascending` with `card` (not in it) added.
std::uint32_t IndexWithCard(std::span<const int> ascending, int card)
{
    std::uint32_t index = 0;
    int position = 1;
    bool added = false;
    for (int member : ascending) {
        if (!added && card < member) {
            index += Binomial(card, position++);
            added = true;
        }
        index += Binomial(member, position++);
    }
    if (!added)
        index += Binomial(card, position);
    return index;
}

// Steps `ascending` to the next set of its size in colex order; false after the last.
bool NextSet(std::span<int> ascending)
{
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        const int limit = i + 1 < ascending.size() ? ascending[i + 1] : StandardDeckSize;
        if (ascending[i] + 1 < limit) {
            ++ascending[i];
            for (std::size_t j = 0; j < i; ++j)
                ascending[j] = static_cast<int>(j);
            return true;
        }
    }
    return false;
}

} // namespace

SubsetCounts::SubsetCounts(unsigned threads)
{
    CountFourCardSets(threads);
    for (int size = 3; size >= 0; --size)
        DeriveFromLarger(size);
}

const CategoryCounts& SubsetCounts::For(std::span<const int> ascending) const
{
    return counts_[ascending.size()][SubsetIndex(ascending)];
}

void SubsetCounts::CountFourCardSets(unsigned threads)
{
    counts_[4].assign(Binomial(StandardDeckSize, 4), CategoryCounts{});
    // One block per highest card, the largest blocks first.
    ForEachBlock(StandardDeckSize - 3, threads, [this](std::size_t block) {
        CountFourCardSetsUpTo(StandardDeckSize - 1 - static_cast<int>(block));
    });
}

// Every four-card set whose highest card is `d`, completed by every
// fifth card in turn.
void SubsetCounts::CountFourCardSetsUpTo(int d)
{
    for (int c = 2; c < d; ++c) {
        for (int b = 1; b < c; ++b) {
            for (int a = 0; a < b; ++a) {
                const HandKey key = CardKeys[a] + CardKeys[b] + CardKeys[c] + CardKeys[d];
                CategoryCounts counts{};
                CountCompletions(key, 0, a, counts);
                CountCompletions(key, a + 1, b, counts);
                CountCompletions(key, b + 1, c, counts);
                CountCompletions(key, c + 1, d, counts);
                CountCompletions(key, d + 1, StandardDeckSize, counts);
                counts_[4][Binomial(a, 1) + Binomial(b, 2) + Binomial(c, 3) + Binomial(d, 4)] = counts;
            }
        }
    }
}

// A hand holding a set of `size` cards holds 5 - size of its sets one card
// larger, so summing over those larger sets counts each hand 5 - size times.
void SubsetCounts::DeriveFromLarger(int size)
{
    auto& counts = counts_[size];
    counts.assign(Binomial(StandardDeckSize, size), CategoryCounts{});
    std::array<int, 4> members{0, 1, 2, 3};
    const std::span<int> set(members.data(), static_cast<std::size_t>(size));
    do {
        CategoryCounts& row = counts[SubsetIndex(set)];
        for (int card = 0; card < StandardDeckSize; ++card) {
            if (std::find(set.begin(), set.end(), card) != set.end())
                continue;
            const CategoryCounts& larger = counts_[size + 1][IndexWithCard(set, card)];
            for (int category = 0; category < CategoryCount; ++category)
                row[category] += larger[category];
        }
        for (auto& count : row)
            count /= static_cast<std::uint32_t>(MaxSetSize - size);
    } while (NextSet(set));
}

} // namespace vel
