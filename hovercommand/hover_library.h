#pragma once
// The type library "Lumbrix1": the HoverCommand class, its interfaces, events and
// enumerations, which dispatch, registration and hosts all read.

#include <span>

#include "platform/com/type_library.h"
#include "platform/types/colours.h"

namespace kantrel {

// Dispatch identifiers of _HoverCommand.
enum : com::DISPID {
    kHighlightColor = 0x68030000,
    kBackColor,
    kForeColor,
    kEnabled,
    kCaption,
    kBGPicture,
    kHovPicture,
    kPicture,
    kStyle,
    kFont,
    kBorderOffset,
    kImageOffset,
    kHAlign,
    kGrabBG,
    kHwnd,
    kTag,
    kRefresh = 0x60030010
};

// Dispatch identifiers of the events of __HoverCommand.
enum : com::DISPID { kEvClick = 1, kEvMouseLeave, kEvMouseMove, kEvMouseDown, kEvMouseUp };

// hcStyle bits.
enum : int32_t {
    hcsNone = 0,
    hcsPopupBorder = 1,
    hcsThinBorder = 2,
    hcsThickBorder = 4,
    hcsTextColor = 8,
    hcsNoBorder = 16,
    hcsNoFocusRect = 32,
    hcsHighlightBG = 64
};

// hcHorizAlign.
enum : int32_t { hcaLeft = 0, hcaCenter = 1, hcaRight = 2 };

// The stored defaults of the colours.
inline constexpr uint32_t kDefaultForeColor = vb::vbMenuText;
inline constexpr uint32_t kDefaultBackColor = vb::vbButtonFace;
inline constexpr uint32_t kDefaultHighlightColor = vb::vbHighlight;

const com::TypeLibrary& Library();
// The bytes of the BMP file of the toolbox picture, resource HoverCommandClass().toolboxBitmap.
std::span<const uint8_t> ToolboxBitmap();
const com::ClassInfo& HoverCommandClass();

}  // namespace kantrel
