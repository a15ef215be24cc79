#pragma once
/// @file
/// A tab control: a row of captioned tabs, one of them shown.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace vb {

class TabControl : public Control {
public:
    using Control::Control;
    /// The number of tabs (design time); new tabs have empty captions. Tab moves to the
    /// last one when it would be left beyond them.
    int16_t Tabs() const { return static_cast<int16_t>(captions_.size()); }
    void setTabs(int16_t count);
    /// The caption of tab @p index (0-based). Raises 380 for an index outside the tabs.
    const std::string& TabCaption(int16_t index) const;
    void setTabCaption(int16_t index, const std::string& v);
    /// The tab shown (0-based).
    int16_t Tab() const { return tab_; }
    /// Shows tab @p index; TabClick runs with the previous tab when the tab changed, whether
    /// the player or the program switched it. Raises 380 for an index outside the tabs.
    void setTab(int16_t index);

    /// The tab shown changed; the argument is the tab shown before.
    std::function<void(int16_t PreviousTab)> TabClick;

private:
    void check(int16_t index) const;

    std::vector<std::string> captions_{""};
    int16_t tab_ = 0;
};

}  // namespace vb
