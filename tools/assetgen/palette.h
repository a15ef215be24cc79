#pragma once
// The colours the pictures share, so that they sit together on the window: the green cloth
// of the dice area, the grey of the sheet, ivory and gold.

#include "tools/assetgen/canvas.h"

namespace assetgen {

// What lies around the pictures on the window; their corners show it.
inline constexpr Colour kCloth{0, 96, 0};           // the dice area and the row captions
inline constexpr Colour kSheetGrey{128, 128, 128};  // behind the cells and the counter

inline constexpr Colour kIvory{255, 252, 242};
inline constexpr Colour kIvoryShade{222, 214, 194};
inline constexpr Colour kInk{26, 30, 44};  // pips and text
inline constexpr Colour kGold{236, 184, 64};
inline constexpr Colour kGoldDeep{168, 112, 24};
inline constexpr Colour kShadow{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

}  // namespace assetgen
