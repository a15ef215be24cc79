#pragma once
// The views of each control kind, made by MakeView (control_view.cpp).

#include <QWidget>

#include "host/qt/control_view.h"
#include "platform/forms/bars.h"
#include "platform/forms/controls.h"
#include "platform/forms/rich_text_box.h"
#include "platform/forms/user_control_host.h"

namespace qthost {

ControlView* MakeLabelView(vb::Label& label, QWidget* parent);
ControlView* MakeButtonView(vb::CommandButton& button, QWidget* parent);
ControlView* MakePictureBoxView(vb::PictureBox& box, QWidget* parent);
ControlView* MakeImageView(vb::Image& image, QWidget* parent);
ControlView* MakeShapeView(vb::Shape& shape, QWidget* parent);
ControlView* MakeLineView(vb::Line& line, QWidget* parent);
ControlView* MakeStatusBarView(vb::StatusBar& bar, QWidget* parent);
ControlView* MakeToolbarView(vb::Toolbar& bar, QWidget* parent);
ControlView* MakeUserControlView(vb::UserControlHost& host, QWidget* parent);
ControlView* MakeRichTextView(vb::RichTextBox& box, QWidget* parent);

}  // namespace qthost
