#include "tools/script/control_text.h"

#include <cstdio>
#include <functional>
#include <optional>

#include "platform/forms/controls.h"
#include "platform/forms/list_view.h"
#include "platform/forms/slider.h"
#include "platform/forms/tabs.h"
#include "platform/forms/text_box.h"
#include "platform/forms/toggles.h"
#include "platform/forms/user_control_host.h"
#include "tools/script/game_driver.h"

namespace script {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
std::string Flag(bool v) { return v ? "True" : "False"; }

std::string Colour(vb::OleColor c) {
    char text[16];
    std::snprintf(text, sizeof text, "&H%06X", static_cast<unsigned>(c));
    return text;
}

std::string PictureText(const vb::Picture& p) {
    if (p.empty()) return "(none)";
    return p.name().empty() ? "(unnamed)" : Quoted(p.name());
}

template <class T>
T* As(vb::Control& c) {
    return dynamic_cast<T*>(&c);
}

using Reader = std::function<std::optional<std::string>(vb::Control&)>;

// One property: the kinds of control that have it answer, the others give nothing.
struct Property {
    const char* name;
    Reader read;
};

std::optional<std::string> CaptionOf(vb::Control& c) {
    if (auto* l = As<vb::Label>(c)) return Quoted(l->Caption());
    if (auto* b = As<vb::CommandButton>(c)) return Quoted(b->Caption());
    if (auto* m = As<vb::Menu>(c)) return Quoted(m->Caption());
    if (auto* k = As<vb::CheckBox>(c)) return Quoted(k->Caption());
    if (auto* o = As<vb::OptionButton>(c)) return Quoted(o->Caption());
    if (auto* f = As<vb::Frame>(c)) return Quoted(f->Caption());
    if (auto* t = As<vb::TabControl>(c)) return Quoted(t->TabCaption(t->Tab()));
    if (auto* h = As<vb::UserControlHost>(c)) {
        com::Variant caption;
        if (com::SUCCEEDED(h->GetProperty("Caption", caption)) && caption.get<std::string>())
            return Quoted(*caption.get<std::string>());
    }
    return std::nullopt;
}

// A check box 0, 1 or 2; an option button True or False; a slider its position.
std::optional<std::string> ValueOf(vb::Control& c) {
    if (auto* k = As<vb::CheckBox>(c)) return std::to_string(k->Value());
    if (auto* o = As<vb::OptionButton>(c)) return Flag(o->Value());
    if (auto* s = As<vb::Slider>(c)) return std::to_string(s->Value());
    return std::nullopt;
}

std::optional<std::string> ListOf(vb::Control& c,
                                  const std::function<std::string(vb::ListView&)>& read) {
    if (auto* l = As<vb::ListView>(c)) return read(*l);
    return std::nullopt;
}

std::optional<std::string> PictureOf(vb::Control& c) {
    if (auto* p = As<vb::PictureBox>(c)) return PictureText(p->Picture());
    if (auto* i = As<vb::Image>(c)) return PictureText(i->Picture());
    if (auto* b = As<vb::CommandButton>(c)) return PictureText(b->Picture());
    return std::nullopt;
}

std::optional<std::string> BackColorOf(vb::Control& c) {
    if (auto* l = As<vb::Label>(c)) return Colour(l->BackColor());
    if (auto* p = As<vb::PictureBox>(c)) return Colour(p->BackColor());
    if (auto* s = As<vb::Shape>(c)) return Colour(s->BackColor());
    if (auto* b = As<vb::CommandButton>(c)) return Colour(b->BackColor());
    return std::nullopt;
}

const std::vector<Property>& Properties() {
    static const std::vector<Property> table = {
        {"Caption", CaptionOf},
        {"Visible", [](vb::Control& c) { return std::optional(Flag(c.Visible())); }},
        {"Enabled", [](vb::Control& c) { return std::optional(Flag(c.Enabled())); }},
        {"Left", [](vb::Control& c) { return std::optional(std::to_string(c.Left())); }},
        {"Top", [](vb::Control& c) { return std::optional(std::to_string(c.Top())); }},
        {"Width", [](vb::Control& c) { return std::optional(std::to_string(c.Width())); }},
        {"Height", [](vb::Control& c) { return std::optional(std::to_string(c.Height())); }},
        {"Picture", PictureOf},
        {"BackColor", BackColorOf},
        {"ForeColor",
         [](vb::Control& c) -> std::optional<std::string> {
             if (auto* l = As<vb::Label>(c)) return Colour(l->ForeColor());
             return std::nullopt;
         }},
        {"Checked",
         [](vb::Control& c) -> std::optional<std::string> {
             if (auto* m = As<vb::Menu>(c)) return Flag(m->Checked());
             return std::nullopt;
         }},
        {"Value", ValueOf},
        {"Text",
         [](vb::Control& c) -> std::optional<std::string> {
             if (auto* t = As<vb::TextBox>(c)) return Quoted(t->Text());
             return std::nullopt;
         }},
        {"Tab",
         [](vb::Control& c) -> std::optional<std::string> {
             if (auto* t = As<vb::TabControl>(c)) return std::to_string(t->Tab());
             return std::nullopt;
         }},
        {"GridLines",
         [](vb::Control& c) {
             return ListOf(c, [](vb::ListView& l) { return Flag(l.GridLines()); });
         }},
        {"ItemCount",
         [](vb::Control& c) {
             return ListOf(c, [](vb::ListView& l) { return std::to_string(l.ItemCount()); });
         }},
        {"Selected",
         [](vb::Control& c) {
             return ListOf(c, [](vb::ListView& l) {
                 return l.SelectedItem() ? Quoted(l.SelectedItem()->Key()) : std::string("(none)");
             });
         }},
        {"Interval",
         [](vb::Control& c) -> std::optional<std::string> {
             if (auto* t = As<vb::Timer>(c)) return std::to_string(t->Interval());
             return std::nullopt;
         }},
    };
    return table;
}

}  // namespace

std::string ControlProperty(vb::Control& control, const std::string& property) {
    std::string name = property;
    if (name.empty())
        name = As<vb::Timer>(control)     ? "Enabled"
               : As<vb::TextBox>(control) ? "Text"
               : As<vb::Slider>(control)  ? "Value"
                                          : "Caption";
    for (const Property& p : Properties()) {
        if (name != p.name) continue;
        if (auto text = p.read(control)) return *text;
        break;
    }
    throw ScriptError(control.Name() + " has no property " + name);
}

std::string PanelProperty(vb::Panel& panel, const std::string& property) {
    if (property.empty() || property == "Text") return Quoted(panel.Text());
    if (property == "Visible") return Flag(panel.Visible());
    if (property == "Width") return std::to_string(panel.Width());
    throw ScriptError("a status-bar panel has no property " + property);
}

std::string ToolbarButtonProperty(vb::ToolbarButton& button, const std::string& property) {
    if (property.empty() || property == "Enabled") return Flag(button.Enabled());
    if (property == "Visible") return Flag(button.Visible());
    if (property == "Image") return std::to_string(button.Image());
    throw ScriptError("a toolbar button has no property " + property);
}

std::string FormProperty(vb::Form& form, const std::string& property) {
    if (property.empty() || property == "Caption") return Quoted(form.Caption());
    if (property == "Visible") return Flag(form.Visible());
    if (property == "Enabled") return Flag(form.Enabled());
    if (property == "WindowState") return std::to_string(form.WindowState());
    if (property == "Left") return std::to_string(form.Left());
    if (property == "Top") return std::to_string(form.Top());
    if (property == "Width") return std::to_string(form.Width());
    if (property == "Height") return std::to_string(form.Height());
    throw ScriptError(form.Name() + " has no property " + property);
}

std::vector<std::string> ControlPropertyNames() {
    std::vector<std::string> names;
    for (const Property& p : Properties()) names.emplace_back(p.name);
    return names;
}

}  // namespace script
