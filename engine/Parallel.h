#pragma once

#include <cstddef>
#include <functional>

namespace vel {

// The number of hardware threads, at least 1.
unsigned DefaultThreadCount();

// Runs work(block) exactly once for every block 0..blockCount-1 on up to
// `threads` threads (the caller's among them); returns when all are done.
// Blocks are taken in ascending order, so lay out costly ones first.
void ForEachBlock(std::size_t blockCount, unsigned threads, const std::function<void(std::size_t)>& work);

} // namespace vel
