#pragma once
/// @file
/// The system's measures: sizes of the window frame and bars (GetSystemMetrics) and the
/// fonts of the window frame, menus and message boxes (SystemParametersInfoA). They are
/// fixed: the program always sees a 96-dpi screen with the classic look.

#include <cstdint>

#include "platform/gdi/text.h"

namespace win {

/// Indexes for GetSystemMetrics.
enum : int32_t {
    SM_CXBORDER = 5,
    SM_CYBORDER = 6,
    SM_CXFIXEDFRAME = 7,
    SM_CYFIXEDFRAME = 8,
    SM_CYCAPTION = 4,
    SM_CYMENU = 15,
    SM_CXMENUCHECK = 71,
    SM_CYMENUCHECK = 72,
};
/// The classic window frame in pixels: the fixed border on each side, the caption above the
/// client area and the menu bar under the caption.
inline constexpr int32_t kFixedFramePx = 3;
inline constexpr int32_t kCaptionPx = 19;
inline constexpr int32_t kMenuBarPx = 19;

/// The measure @p index in pixels; 0 for an index it does not know.
int32_t GetSystemMetrics(int32_t index);

/// SystemParametersInfoA's action that reads NONCLIENTMETRICSA.
inline constexpr uint32_t SPI_GETNONCLIENTMETRICS = 0x29;

/// The measures and fonts of the window frame, its menus and status text (340 bytes).
struct NONCLIENTMETRICSA {
    uint32_t cbSize;
    int32_t iBorderWidth;
    int32_t iScrollWidth;
    int32_t iScrollHeight;
    int32_t iCaptionWidth;
    int32_t iCaptionHeight;
    LOGFONTA lfCaptionFont;
    int32_t iSmCaptionWidth;
    int32_t iSmCaptionHeight;
    LOGFONTA lfSmCaptionFont;
    int32_t iMenuWidth;
    int32_t iMenuHeight;
    LOGFONTA lfMenuFont;
    LOGFONTA lfStatusFont;
    LOGFONTA lfMessageFont;
};

/// With SPI_GETNONCLIENTMETRICS fills the NONCLIENTMETRICSA at @p pv, whose cbSize and
/// @p uiParam must both be its size; nonzero on success. 0 (nothing written) for another
/// action or size, or a null @p pv. @p winIni is not used.
BOOL SystemParametersInfoA(uint32_t action, uint32_t uiParam, void* pv, uint32_t winIni);

}  // namespace win
