#include "engine/Parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace vel {

unsigned DefaultThreadCount()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

void ForEachBlock(std::size_t blockCount, unsigned threads, const std::function<void(std::size_t)>& work)
{
    if (blockCount == 0)
        return;
    std::atomic<std::size_t> next{0};
    const auto drain = [&] {
        for (std::size_t block = next++; block < blockCount; block = next++)
            work(block);
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(threads, 1u), blockCount) - 1;
    std::vector<std::jthread> pool;
    pool.reserve(helpers);
    for (std::size_t i = 0; i < helpers; ++i)
        pool.emplace_back(drain);
    drain();
}

} // namespace vel
