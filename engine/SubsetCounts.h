#pragma once

#include "engine/Evaluator.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vel {

// How many hands fall in each category (indexed by category code).
using CategoryCounts = std::array<std::uint32_t, CategoryCount>;

// For every set of up to four cards, the categories of all five-card hands
// that contain it. About 11 MB, read-only once built.
class SubsetCounts {
public:
    explicit SubsetCounts(unsigned threads);

    // `ascending`: zero or more, at most four, zero-based card indices.
    const CategoryCounts& For(std::span<const int> ascending) const;

private:
    void CountFourCardSets(unsigned threads);
    void CountFourCardSetsUpTo(int d);
    void DeriveFromLarger(int size);

    // by set size, each in colex order
    std::array<std::vector<CategoryCounts>, 5> counts_;
};

} // namespace vel
