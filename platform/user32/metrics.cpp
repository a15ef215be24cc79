#include "platform/user32/metrics.h"

#include <cstring>
#include <string_view>
#include <utility>

namespace win {

namespace {

// The classic frame and bar sizes at 96 dpi, by index.
constexpr std::pair<int32_t, int32_t> kMetrics[] = {
    {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},
    {SM_CXFIXEDFRAME, kFixedFramePx},
    {SM_CYFIXEDFRAME, kFixedFramePx},
    {SM_CYCAPTION, kCaptionPx},
    {SM_CYMENU, kMenuBarPx},
    {SM_CXMENUCHECK, 13},
    {SM_CYMENUCHECK, 13},
};

LOGFONTA SystemFont(int32_t height, int32_t weight) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    constexpr std::string_view face = "Tahoma";
    std::memcpy(font.lfFaceName, face.data(), face.size());
    return font;
}

}  // namespace

int32_t GetSystemMetrics(int32_t index) {
    for (const auto& [i, value] : kMetrics)
        if (i == index) return value;
    return 0;
}

BOOL SystemParametersInfoA(uint32_t action, uint32_t uiParam, void* pv, uint32_t) {
    static_assert(sizeof(NONCLIENTMETRICSA) == 340);
    if (action != SPI_GETNONCLIENTMETRICS || uiParam != sizeof(NONCLIENTMETRICSA) || !pv) return 0;
    auto* m = static_cast<NONCLIENTMETRICSA*>(pv);
    if (m->cbSize != sizeof(NONCLIENTMETRICSA)) return 0;
    // The frame's measures in pixels; the menu font a little smaller than the others, so
    // that a menu bar item's text and its margins fit the classic 19-pixel bar.
    *m = NONCLIENTMETRICSA{};
    m->cbSize = sizeof(NONCLIENTMETRICSA);
    m->iBorderWidth = 1;
    m->iScrollWidth = m->iScrollHeight = 16;
    m->iCaptionWidth = m->iCaptionHeight = 18;
    m->lfCaptionFont = m->lfSmCaptionFont = SystemFont(-11, FW_BOLD);
    m->iSmCaptionWidth = 12;
    m->iSmCaptionHeight = 15;
    m->iMenuWidth = m->iMenuHeight = 18;
    m->lfMenuFont = SystemFont(-10, FW_NORMAL);
    m->lfStatusFont = m->lfMessageFont = SystemFont(-11, FW_NORMAL);
    return 1;
}

}  // namespace win
