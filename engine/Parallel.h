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

// Runs work(0) and work(1), many times over at small cost: with two threads
// or more work(0) runs on a thread kept for it while the caller runs work(1),
// else the caller runs both in turn. Run returns when both are done.
class PairedWork {
public:
    explicit PairedWork(unsigned threads);
    ~PairedWork();
    PairedWork(const PairedWork&) = delete;
    PairedWork& operator=(const PairedWork&) = delete;

    void Run(const std::function<void(int half)>& work);

private:
    void Serve(std::stop_token stop);

    const std::function<void(int)>* work_ = nullptr;
    std::atomic<unsigned> started_{0};
    std::atomic<unsigned> finished_{0};
    std::jthread helper_; // last: it starts once the rest exists
};

} // namespace vel
