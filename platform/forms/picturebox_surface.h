#pragma once
/// @file
/// The drawing surfaces of picture boxes: each box that is drawn on gets a persistent
/// 32-bit bitmap the size of the box (15 twips a pixel), filled with its BackColor and
/// with its Picture at the top left, selected into a memory DC that lasts as long as the
/// box. vb::PictureBox::hDC() and Image() are defined here.
///
/// Every surface has a 2x twin (see platform/gdi/bitmap.h): the box's Picture is drawn on
/// it from the picture's own twin, or doubled, and drawing on the DC reaches it as it
/// reaches the surface, so a host can show the twin on a screen of device pixel ratio 2 or
/// more.
///
/// A surface is made on first use. When the box has been resized since, the next use
/// resizes the surface, keeping what was drawn at its top left. Surfaces of boxes that no
/// longer exist are freed when the next surface is made.

#include "platform/forms/controls.h"
#include "platform/gdi/bitmap.h"

namespace gdi {

/// Redraws @p box's surface with its BackColor and its new Picture. PictureBox::setPicture
/// calls it; a box without a surface yet is left alone. Returns whether a surface was
/// redrawn.
bool PictureChanged(vb::PictureBox& box);

/// The pixels of @p box's surface for a host to show, or nullptr while the box has none
/// (it then shows its Picture). Its twin() is what to show at a device pixel ratio of 2 or
/// more. Valid until the next GDI call that creates or deletes objects.
const Bitmap* SurfaceOf(const vb::PictureBox& box);

}  // namespace gdi
