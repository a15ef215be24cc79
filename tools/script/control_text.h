#pragma once
// What a script prints of a window and its controls: a property by name, as text. Text
// properties print in double quotes, flags as True or False, numbers in decimal, colours
// as "&H" and six hex digits, pictures by the name they were made with.

#include <string>
#include <vector>

#include "platform/forms/bars.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace script {

// @p property of @p control; "" asks for the default (Caption; Enabled for a timer, Text
// for a text box, Value for a slider).
// Throws ScriptError when the control has no such property.
std::string ControlProperty(vb::Control& control, const std::string& property);
// @p property of status-bar panel @p panel; "" asks for Text.
std::string PanelProperty(vb::Panel& panel, const std::string& property);
// @p property of a toolbar button; "" asks for Enabled.
std::string ToolbarButtonProperty(vb::ToolbarButton& button, const std::string& property);
// @p property of the window itself; "" asks for Caption.
std::string FormProperty(vb::Form& form, const std::string& property);

// The property names, for --help.
std::vector<std::string> ControlPropertyNames();

}  // namespace script
