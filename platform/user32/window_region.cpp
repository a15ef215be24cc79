#include "platform/user32/window_region.h"

#include <unordered_map>

#include "platform/gdi/handles.h"

namespace {

std::unordered_map<win::HWND, gdi::Region>& regions() {
    static std::unordered_map<win::HWND, gdi::Region> table;
    return table;
}

}  // namespace

namespace win {

int32_t SetWindowRgn(HWND hwnd, HRGN region, BOOL /*redraw*/) {
    if (hwnd == 0) return 0;
    if (region == 0) {
        regions().erase(hwnd);
        return 1;
    }
    const auto* found = gdi::detail::FindKind<gdi::detail::RegionObject>(region);
    if (!found) return 0;
    regions()[hwnd] = found->shape;
    gdi::detail::EraseObject(region);
    return 1;
}

}  // namespace win

namespace gdi {

const Region* WindowRegion(win::HWND hwnd) {
    const auto it = regions().find(hwnd);
    return it == regions().end() ? nullptr : &it->second;
}

}  // namespace gdi
