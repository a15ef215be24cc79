#include "platform/user32/metrics.h"

#include <cstring>
#include <string_view>
#include <utility>

namespace win {

namespace {

// The classic frame and bar sizes at 96 dpi, by index.
constexpr std::pair<int32_t, int32_t> kMetrics[] = {
    {SM_CXBORDER, 1},     {SM_CYBORDER, 1},     {SM_CXFIXEDFRAME, 3}, {SM_CYFIXEDFRAME, 3},
    {SM_CYCAPTION, 19},   {SM_CYMENU, 19},      {SM_CXMENUCHECK, 13}, {SM_CYMENUCHECK, 13},
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
    if (action != SPI_GETNONCLIENTMETRICS || uiParam != sizeof(NONCLIENTMETRICSA) || !pv)
        return 0;
    auto* m = static_cast<NONCLIENTMETRICSA*>(pv);
    if (m->cbSize != sizeof(NONCLIENTMETRICSA)) return 0;
    *m = NONCLIENTMETRICSA{sizeof(NONCLIENTMETRICSA),
                           1,
                           16,
                           16,
                           18,
                           18,
                           SystemFont(-11, FW_BOLD),
                           12,
                           15,
                           SystemFont(-11, FW_BOLD),
                           18,
                           18,
                           SystemFont(-10, FW_NORMAL),
                           SystemFont(-11, FW_NORMAL),
                           SystemFont(-11, FW_NORMAL)};
    return 1;
}

}  // namespace win
