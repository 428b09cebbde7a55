#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>

namespace vel {

// The number of hardware threads, at least 1.
unsigned DefaultThreadCount();

// Runs work(block) exactly once for every block 0..blockCount-1 on up to
// `threads` threads (the caller's among them); returns when all are done.
// Blocks are taken in ascending order, so lay out costly ones first.
void ForEachBlock(std::size_t blockCount, unsigned threads, const std::function<void(std::size_t)>& work);

// Runs work(0) and work(1), many times over at small cost, and returns when
// both are done. With two threads or more, a thread kept for it takes work(0)
// when it is free in time; when it is not, the caller runs both, so a busy
// machine never leaves the caller waiting for a thread to be woken.
class PairedWork {
public:
    explicit PairedWork(unsigned threads);
    ~PairedWork();
    PairedWork(const PairedWork&) = delete;
    PairedWork& operator=(const PairedWork&) = delete;

    void Run(const std::function<void(int half)>& work);

private:
    void Serve(std::stop_token stop);
    // Whether the caller is the first to take work(0) of `round`.
    bool Claim(unsigned round)
    {
        unsigned before = round - 1;
        return claimed_.compare_exchange_strong(before, round);
    }

    const std::function<void(int)>* work_ = nullptr;
    std::atomic<unsigned> posted_{0};   // rounds handed out
    std::atomic<unsigned> claimed_{0};  // rounds whose work(0) someone took
    std::atomic<unsigned> finished_{0}; // rounds whose work(0) the kept thread finished
    std::jthread helper_; // last: it starts once the rest exists
};

} // namespace vel
