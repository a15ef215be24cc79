#pragma once
/// @file
/// A record of the calls made to the media layer, for the tests to read. The program never
/// reads it, so it keeps only the most recent calls.

#include <cstddef>
#include <deque>
#include <iterator>
#include <utility>
#include <vector>

namespace media {

/// The last kKept items added, oldest first.
template <typename T>
class CallRecord {
public:
    static constexpr size_t kKept = 4096;

    void add(T item) {
        if (items_.size() == kKept) items_.pop_front();
        items_.push_back(std::move(item));
    }
    /// The items recorded since the last call; the record is emptied.
    std::vector<T> take() {
        std::vector<T> taken(std::make_move_iterator(items_.begin()),
                             std::make_move_iterator(items_.end()));
        items_.clear();
        return taken;
    }

private:
    std::deque<T> items_;
};

}  // namespace media
