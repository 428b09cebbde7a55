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
    ++started_;
    started_.notify_one();
}

void PairedWork::Serve(std::stop_token stop)
{
    unsigned seen = 0;
    for (;;) {
        started_.wait(seen);
        seen = started_.load();
        if (stop.stop_requested())
            return;
        (*work_)(0);
        finished_.store(seen);
        finished_.notify_one();
    }
}

void PairedWork::Run(const std::function<void(int half)>& work)
{
    if (!helper_.joinable()) {
        work(0);
        work(1);
        return;
    }
    work_ = &work;
    const unsigned round = ++started_;
    started_.notify_one();
    work(1);
    for (unsigned done = finished_.load(); done != round; done = finished_.load())
        finished_.wait(done);
}

} // namespace vel
