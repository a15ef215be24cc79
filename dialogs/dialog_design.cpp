#include "dialogs/dialog_design.h"

#include "platform/com/property_bag.h"
#include "shell/product.h"

namespace dialogs {

namespace {

constexpr int32_t kThinBorder = 2;
constexpr vb::OleColor kLinkBlue = 0xCC3300;  // RGB(0, 51, 204)
constexpr vb::OleColor kText = vb::vbButtonText;
const vb::Font kTitleFont{.Name = "Arial", .Size = 20, .Bold = true};
const vb::Font kPlainFont{.Name = "Tahoma", .Size = 8.25f};
const vb::Font kLinkFont{.Name = "Tahoma", .Size = 8.25f, .Underline = true};
const vb::Font kNoticeFont{.Name = "Tahoma", .Size = 7};

}  // namespace

void DesignHoverButton(vb::UserControlHost& button, const char* caption, int32_t left, int32_t top,
                       int32_t width, int32_t height, const vb::Font& font) {
    const com::PropertyBag design{{"Caption", com::Variant(caption)},
                                  {"Style", com::Variant(kThinBorder)},
                                  {"HAlign", com::Variant(kHAlignCenter)},
                                  {"Font", com::Variant(font)}};
    button.Move(left, top, width, height);
    button.Create(&design);
    button.setVisible(true);
}

void DesignLabel(vb::Label& label, const std::string& caption, const vb::Font& font,
                 vb::OleColor colour, vb::Frame* frame, int32_t left, int32_t top, int32_t width,
                 int32_t height) {
    label.setContainer(frame);
    label.setCaption(caption);
    label.setFont(font);
    label.setForeColor(colour);
    label.setBackStyle(0);
    label.Move(left, top, width, height);
    label.setVisible(true);
}

// The title is spaced out letter by letter, so it needs the frame's whole width.
void DesignProductLabels(const ProductLabels& l, int32_t left, int32_t top, int32_t width) {
    const int32_t inner = width - 240;
    l.titleFrame.setCaption("");
    l.titleFrame.Move(left, top, width, 1455);
    l.titleFrame.setVisible(true);
    DesignLabel(l.title, "T o l v a r i n", kTitleFont, kDeepBlue, &l.titleFrame, 120, 180, inner,
                540);
    l.title.setAlignment(vb::vbCenter);
    DesignLabel(l.version, "Version 2.3", kBoldFont, kText, &l.titleFrame, 120, 750, inner, 225);
    l.version.setAlignment(vb::vbCenter);
    DesignLabel(l.notice, product::kNotice, kNoticeFont, kText, &l.titleFrame, 120, 1050, inner,
                330);
    l.notice.setAlignment(vb::vbCenter);

    l.linkFrame.setCaption("");
    l.linkFrame.Move(left, top + 1545, width, 795);
    l.linkFrame.setVisible(true);
    DesignLabel(l.webHeading, "Web site:", kPlainFont, kText, &l.linkFrame, 120, 180, 855, 225);
    DesignLabel(l.webSite, product::kWebSite, kLinkFont, kLinkBlue, &l.linkFrame, 1020, 180,
                inner - 900, 225);
    DesignLabel(l.mailHeading, "E-Mail:", kPlainFont, kText, &l.linkFrame, 120, 450, 855, 225);
    DesignLabel(l.mail, product::kContactMail, kLinkFont, kLinkBlue, &l.linkFrame, 1020, 450,
                inner - 900, 225);
}

void CentreOver(vb::Form& window, const vb::Form& owner) {
    window.setLeft(owner.Left() + owner.Width() / 2 - window.Width() / 2);
    window.setTop(owner.Top() + owner.Height() / 2 - window.Height() / 2);
}

}  // namespace dialogs
