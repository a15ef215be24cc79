#pragma once
/// @file
/// A slider: a position between Min and Max, with a tick every TickFrequency.

#include <cstdint>
#include <functional>

#include "platform/forms/control.h"

namespace vb {

class Slider : public Control {
public:
    using Control::Control;
    int32_t Min() const { return min_; }
    int32_t Max() const { return max_; }
    /// Sets the range; Value moves into it (raising Change) when it lies outside.
    /// Raises 380 when @p min is greater than @p max.
    void setRange(int32_t min, int32_t max);
    int32_t TickFrequency() const { return tickFrequency_; }
    void setTickFrequency(int32_t v);
    int32_t Value() const { return value_; }
    /// Moves the slider to @p v clamped to Min..Max; Change runs when the position changed,
    /// whether the player or the program moved it.
    void setValue(int32_t v);

    /// The position changed.
    std::function<void()> Change;
    /// The player is dragging the thumb (runs before each Change of a drag).
    std::function<void()> Scroll;
    /// The player drags the thumb to @p v: Scroll, then the new position (and Change).
    /// Nothing happens when the slider does not receive input.
    void RaiseScroll(int32_t v);

private:
    int32_t min_ = 0;
    int32_t max_ = 10;
    int32_t tickFrequency_ = 1;
    int32_t value_ = 0;
};

}  // namespace vb
