#pragma once
/// @file
/// The font of a control, as its properties describe it; the GDI makes the glyphs.

#include <string>

namespace vb {

/// The font of a control.
struct Font {
    std::string Name = "MS Sans Serif";
    float Size = 8.25f;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace vb
