#pragma once
/// @file
/// A control array: controls of one kind and one name, reached by index. Its members
/// carry their index as the first argument of their events.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/errors.h"

namespace vb {

class Form;

template <class T>
class ControlArray {
public:
    /// Members @p first to @p last of the array @p name on @p owner.
    ControlArray(Form& owner, std::string name, int16_t first, int16_t last)
        : name_(std::move(name)), first_(first) {
        for (int16_t i = first; i <= last; ++i)
            items_.push_back(std::make_unique<T>(owner, name_, i));
    }

    /// The member with index @p index. Raises run-time error 9 outside the array.
    T& operator()(int32_t index) const {
        const int32_t at = index - first_;
        if (at < 0 || at >= static_cast<int32_t>(items_.size())) Raise(errSubscriptOutOfRange);
        return *items_[static_cast<size_t>(at)];
    }

    const std::string& Name() const { return name_; }
    int16_t LBound() const { return first_; }
    int16_t UBound() const { return static_cast<int16_t>(first_ + items_.size() - 1); }
    size_t Count() const { return items_.size(); }

private:
    std::string name_;
    int16_t first_;
    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace vb
