#pragma once
/// @file
/// Reaching the pixels behind a device context from C++: for the hosts, which show picture
/// boxes, and for code that turns a drawing into a picture.

#include <string>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi32.h"
#include "platform/types/picture.h"

namespace gdi {

/// The bitmap selected into @p hdc, or nullptr for a bad handle. Valid until the next
/// call that selects, creates or deletes GDI objects.
const Bitmap* SelectedBitmap(win::HDC hdc);

/// A picture holding a copy of the bitmap selected into @p hdc (twin included), named
/// @p name; the empty picture for a bad handle. Later drawing on the DC does not change it.
vb::Picture PictureFromDC(win::HDC hdc, std::string name = {});

/// A 32-bit bitmap handle over @p pixels, twin included, as CreateBitmap makes one (pass
/// them moved to spare the copy); 0 when it is monochrome or its size is out of
/// CreateBitmap's range; the stock bitmap for a 0 width or height.
win::HBITMAP CreateBitmapFromPixels(Bitmap pixels);

/// A 32-bit bitmap handle of @p width x @p height pixels of @p colour (with a twin of the
/// same colour when @p twin is set), as CreateBitmapFromPixels makes one; its pixels are made
/// only when something draws on it or reads it.
win::HBITMAP CreateBlankBitmap(int32_t width, int32_t height, uint32_t colour, bool twin);

}  // namespace gdi
