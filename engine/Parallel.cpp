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

namespace {

// How often a free thread looks for new work, giving way in between, before
// it sleeps until woken: work comes every few tens of microseconds while a
// chart is searched, and waking a thread costs more.
constexpr int LooksBeforeSleep = 2000;

} // namespace

PairedWork::PairedWork(unsigned threads)
{
    if (threads > 1)
        helper_ = std::jthread([this](std::stop_token stop) { Serve(stop); });
}

PairedWork::~PairedWork()
{
    if (!helper_.joinable())
        return;
    helper_.request_stop();
    ++posted_;
    posted_.notify_one();
}

void PairedWork::Serve(std::stop_token stop)
{
    unsigned seen = 0;
    for (;;) {
        for (int look = 0; look < LooksBeforeSleep && posted_.load() == seen; ++look)
            std::this_thread::yield();
        posted_.wait(seen);
        seen = posted_.load();
        if (stop.stop_requested())
            return;
        if (Claim(seen)) {
            (*work_)(0);
            finished_.store(seen);
        }
    }
}

void PairedWork::Run(const std::function<void(int half)>& work)
{
    work_ = &work;
    const unsigned round = ++posted_;
    if (helper_.joinable())
        posted_.notify_one();
    work(1);
    if (Claim(round)) {
        work(0);
        return;
    }
    while (finished_.load() != round)
        std::this_thread::yield();
}

} // namespace vel
