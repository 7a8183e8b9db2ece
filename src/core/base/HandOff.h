#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <utility>
#include <vector>

namespace torvalet {

// Passes items from the thread that makes them to the thread that uses them, a batch at a time
// so that the two seldom meet at the lock. The maker calls put and, once, finish; the taker
// calls take until it returns false, or stop when it gives up.
template <class Item>
class HandOff {
public:
    // False once the taker has stopped: the maker had better stop too.
    bool put(Item item) {
        making_.push_back(std::move(item));
        if (making_.size() < kBatch) return !stopped_;
        return pass(false);
    }

    // Passes what is left; `failure` is why making ended early, if it did.
    void finish(std::exception_ptr failure = nullptr) {
        failure_ = std::move(failure);
        pass(true);
    }

    // Waits for the next items and swaps them into `batch`; false once every item was taken and
    // the maker has finished.
    bool take(std::vector<Item>& batch) {
        batch.clear();
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return !passed_.empty() || finished_; });
        batch.swap(passed_);
        return !batch.empty();
    }

    // The taker gives up: the items not taken yet are dropped.
    void stop() {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        passed_.clear();
    }

    // Why making ended early; to be read after take returned false.
    std::exception_ptr failure() const { return failure_; }

private:
    static constexpr std::size_t kBatch = 64;

    bool pass(bool last) {
        {
            const std::lock_guard lock(mutex_);
            if (!stopped_) {
                if (passed_.empty()) {
                    passed_.swap(making_);
                } else {
                    for (Item& item : making_) passed_.push_back(std::move(item));
                }
            }
            finished_ = finished_ || last;
        }
        making_.clear();
        ready_.notify_one();
        return !stopped_;
    }

    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<Item> making_;  // the maker's own, not passed yet
    std::vector<Item> passed_;
    bool finished_ = false;
    std::atomic<bool> stopped_ = false;
    std::exception_ptr failure_;  // written before the last pass, read after the last take
};

}  // namespace torvalet
