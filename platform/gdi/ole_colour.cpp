#include "platform/gdi/ole_colour.h"

#include "platform/gdi/colours.h"

namespace win {

namespace {

// The system colours the palette has: indexes 0 to 30.
constexpr uint32_t kSystemColourCount = 31;

}  // namespace

HRESULT OleTranslateColor(OLE_COLOR colour, HPALETTE /*palette*/, COLORREF* out) {
    COLORREF result = 0;
    switch (colour >> 24) {
        case 0x00:
        case 0x02:
            result = colour & 0xFFFFFFu;
            break;
        case 0x80:
            if ((colour & 0xFFFFFFu) >= kSystemColourCount) return E_INVALIDARG;
            result = gdi::SysColour(static_cast<int32_t>(colour & 0xFFu));
            break;
        default:
            return E_INVALIDARG;
    }
    if (out) *out = result;
    return S_OK;
}

}  // namespace win
