#pragma once
// The views of each control kind, made by MakeView (control_view.cpp).

#include <QImage>
#include <QWidget>

#include "host/qt/control_view.h"
#include "platform/forms/bars.h"
#include "platform/forms/controls.h"
#include "platform/forms/list_view.h"
#include "platform/forms/rich_text_box.h"
#include "platform/forms/slider.h"
#include "platform/forms/tabs.h"
#include "platform/forms/text_box.h"
#include "platform/forms/toggles.h"
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
ControlView* MakeCheckBoxView(vb::CheckBox& box, QWidget* parent);
ControlView* MakeOptionButtonView(vb::OptionButton& button, QWidget* parent);
ControlView* MakeFrameView(vb::Frame& frame, QWidget* parent);
ControlView* MakeTextBoxView(vb::TextBox& box, QWidget* parent);
ControlView* MakeSliderView(vb::Slider& slider, QWidget* parent);
ControlView* MakeTabView(vb::TabControl& tabs, QWidget* parent);
ControlView* MakeListViewView(vb::ListView& list, QWidget* parent);

// What @p container shows now with its children, less the controls hosted from libraries,
// at device pixel ratio @p ratio (user_control_view.cpp).
QImage ComposeBehindHostedControls(QWidget& container, qreal ratio);

}  // namespace qthost
