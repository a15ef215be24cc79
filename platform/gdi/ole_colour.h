#pragma once
/// @file
/// OleTranslateColor: the RGB colour a control's stored colour stands for.

#include <cstdint>

#include "platform/gdi/gdi32.h"

namespace win {

using HRESULT = int32_t;
using OLE_COLOR = uint32_t;
using HPALETTE = intptr_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);

/// Turns @p colour into a COLORREF in *@p out: a plain RGB colour (top byte 0) as it is, a
/// palette-relative one (top byte 2) without its flag, a system colour 0x800000xx with xx
/// from 0 to 30 as GetSysColor gives it. E_INVALIDARG (and *@p out untouched) for any
/// other value; a null @p out only checks the colour. @p palette is not used.
HRESULT OleTranslateColor(OLE_COLOR colour, HPALETTE palette, COLORREF* out);

}  // namespace win
