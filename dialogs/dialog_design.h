#pragma once
// What the dialogs share in their designs: buttons of the HoverCommand control made from
// their stored properties, labels, the product's lines and links, and centring over another
// window.

#include <cstdint>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/toggles.h"
#include "platform/forms/user_control_host.h"

namespace dialogs {

inline constexpr const char* kHoverProgID = "Lumbrix1.HoverCommand";
// The product's title and the background of the quick-start rules: RGB(0, 51, 102).
inline constexpr vb::OleColor kDeepBlue = 0x663300;
// A HoverCommand's HAlign that centres its caption.
inline constexpr int32_t kHAlignCenter = 1;
// The font of the buttons of the welcome, about and quick-start windows, and of labels.
inline const vb::Font kBoldFont{.Name = "Tahoma", .Size = 8.25f, .Bold = true};
// The font of the buttons of the options and top-scores windows.
inline const vb::Font kButtonFont{.Name = "Verdana", .Size = 8, .Bold = true};

// A HoverCommand with @p caption, its stored properties as the dialogs' design holds them
// (centred caption, a thin border under the pointer, @p font); placed in twips.
void DesignHoverButton(vb::UserControlHost& button, const char* caption, int32_t left, int32_t top,
                       int32_t width, int32_t height, const vb::Font& font = kBoldFont);

// A transparent label with @p caption in @p font and @p colour, inside @p frame (its twips
// are the frame's) or on the form when @p frame is null.
void DesignLabel(vb::Label& label, const std::string& caption, const vb::Font& font,
                 vb::OleColor colour, vb::Frame* frame, int32_t left, int32_t top, int32_t width,
                 int32_t height);

// The labels the welcome and about windows both show: the title, version and notice in
// one frame, the web page and mail links in another, each with its heading.
struct ProductLabels {
    vb::Frame& titleFrame;
    vb::Label& title;
    vb::Label& version;
    vb::Label& notice;
    vb::Frame& linkFrame;
    vb::Label& webHeading;
    vb::Label& webSite;
    vb::Label& mailHeading;
    vb::Label& mail;
};
// Lays the labels out in their two frames, @p width wide, the first frame at @p top.
void DesignProductLabels(const ProductLabels& labels, int32_t left, int32_t top, int32_t width);

// Places @p window over the middle of @p owner.
void CentreOver(vb::Form& window, const vb::Form& owner);

}  // namespace dialogs
