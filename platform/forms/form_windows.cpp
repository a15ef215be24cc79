#include "platform/forms/form_windows.h"

#include <map>
#include <string>
#include <vector>

#include "platform/types/twips.h"
#include "platform/user32/metrics.h"

namespace vb {

namespace {

// What the windows of one loaded form hold.
struct FormWindows {
    // The items directly under each item (under nullptr: the bar's), in design order.
    std::map<const Menu*, std::vector<Menu*>> items;
    std::map<const Menu*, win::HMENU> popups;  // items that have items under them
    std::map<const Menu*, win::UINT> ids;
    std::map<const Toolbar*, win::HWND> inner;
};

std::map<const Form*, FormWindows>& Loaded() {
    static std::map<const Form*, FormWindows> loaded;
    return loaded;
}

FormWindows* WindowsOf(const Form& form) {
    const auto found = Loaded().find(&form);
    return found == Loaded().end() ? nullptr : &found->second;
}

// The client area lies inside a fixed frame, under the caption and the menu bar.
using win::kCaptionPx;
using win::kFixedFramePx;
using win::kMenuBarPx;

win::RECT FormRect(const Form& f) {
    const int32_t left = f.Left() / kTwipsPerPixel, top = f.Top() / kTwipsPerPixel;
    return {left, top, left + f.Width() / kTwipsPerPixel, top + f.Height() / kTwipsPerPixel};
}

// A toolbar keeps to the top of the client area, across its whole width.
win::RECT ToolbarRect(const Toolbar& bar) {
    const win::RECT form = FormRect(bar.Parent());
    const int32_t left = form.left + kFixedFramePx;
    const int32_t top = form.top + kFixedFramePx + kCaptionPx + kMenuBarPx;
    return {left, top, form.right - kFixedFramePx, top + bar.Height() / kTwipsPerPixel};
}

// The items directly under @p parent (the top-level items for nullptr), in design order.
const std::vector<Menu*>& ItemsUnder(const FormWindows& w, const Menu* parent) {
    static const std::vector<Menu*> none;
    const auto found = w.items.find(parent);
    return found == w.items.end() ? none : found->second;
}

win::UINT StateFlags(const Menu& m) {
    return (m.Enabled() ? 0 : win::MF_GRAYED) | (m.Checked() ? win::MF_CHECKED : 0);
}

// Fills @p menu with the shown items under @p parent, as plain text items: "caption", a
// Tab and the shortcut.
void Fill(FormWindows& w, win::HMENU menu, const Menu* parent) {
    while (win::GetMenuItemCount(menu) > 0) win::RemoveMenu(menu, 0, win::MF_BYPOSITION);
    for (const Menu* m : ItemsUnder(w, parent)) {
        if (!m->Visible()) continue;
        if (m->Caption() == "-") {
            win::AppendMenuA(menu, win::MF_SEPARATOR | StateFlags(*m), w.ids[m], nullptr);
            continue;
        }
        std::string text = m->Caption();
        if (!m->Shortcut().empty()) text += "\t" + m->Shortcut();
        const auto popup = w.popups.find(m);
        if (popup != w.popups.end())
            win::AppendMenuA(menu, win::MF_POPUP | StateFlags(*m),
                             static_cast<uintptr_t>(popup->second), text.c_str());
        else
            win::AppendMenuA(menu, win::MF_STRING | StateFlags(*m), w.ids[m], text.c_str());
    }
}

void BuildMenus(Form& form, FormWindows& w) {
    std::vector<Menu*> menus;
    for (Control* c : form.Controls())
        if (auto* m = dynamic_cast<Menu*>(c)) menus.push_back(m);
    if (menus.empty()) return;
    win::UINT next = 1;
    for (Menu* m : menus) {
        w.ids[m] = next++;
        w.items[m->ParentMenu()].push_back(m);
    }
    for (Menu* m : menus)
        if (w.items.contains(m)) w.popups[m] = win::CreatePopupMenu();
    const win::HMENU bar = win::CreateMenu();
    Fill(w, bar, nullptr);
    for (const auto& [m, popup] : w.popups) Fill(w, popup, m);
    win::SetMenu(form.hWnd(), bar);
}

win::HMENU HoldingMenu(const Form& form, const FormWindows& w, const Menu& item) {
    if (!item.ParentMenu()) return win::GetMenu(form.hWnd());
    const auto found = w.popups.find(item.ParentMenu());
    return found == w.popups.end() ? 0 : found->second;
}

}  // namespace

void CreateFormWindows(Form& form) {
    if (WindowsOf(form)) return;
    FormWindows& w = Loaded()[&form];
    win::CreateWindowHandle(form.hWnd(), 0, kFormClass, [&form] { return FormRect(form); });
    for (Control* c : form.Controls()) {
        auto* bar = dynamic_cast<Toolbar*>(c);
        if (!bar) continue;
        const auto rect = [bar] { return ToolbarRect(*bar); };
        win::CreateWindowHandle(bar->hWnd(), form.hWnd(), kToolbarClass, rect);
        w.inner[bar] = NewWindowHandle();
        win::CreateWindowHandle(w.inner[bar], bar->hWnd(), kToolbarInnerClass, rect);
    }
    BuildMenus(form, w);
}

// The drop-downs are not the window's: they are destroyed with it like its bar.
void DestroyFormWindows(Form& form) {
    FormWindows* w = WindowsOf(form);
    if (!w) return;
    for (const auto& [item, popup] : w->popups) win::DestroyMenu(popup);
    win::DestroyWindowHandle(form.hWnd());
    Loaded().erase(&form);
}

void MenuItemChanged(Menu& item, Prop what) {
    Form& form = item.Parent();
    FormWindows* w = WindowsOf(form);
    if (!w) return;
    const win::HMENU menu = HoldingMenu(form, *w, item);
    if (what != Prop::Enabled && what != Prop::Value) {
        Fill(*w, menu, item.ParentMenu());
        return;
    }
    const int32_t position = PlaceOf(item).position;
    if (position < 0) return;
    win::MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = win::MIIM_STATE;
    win::GetMenuItemInfoA(menu, static_cast<win::UINT>(position), 1, &info);
    info.fState = (info.fState & ~(win::MFS_GRAYED | win::MFS_CHECKED)) | StateFlags(item);
    win::SetMenuItemInfoA(menu, static_cast<win::UINT>(position), 1, &info);
}

MenuPlace PlaceOf(const Menu& item) {
    const Form& form = item.Parent();
    const FormWindows* w = WindowsOf(form);
    if (!w) return {};
    MenuPlace place;
    place.menu = HoldingMenu(form, *w, item);
    if (const auto popup = w->popups.find(&item); popup != w->popups.end())
        place.popup = popup->second;
    if (!item.Visible()) return place;
    int32_t position = 0;
    for (const Menu* sibling : ItemsUnder(*w, item.ParentMenu())) {
        if (sibling == &item) break;
        if (sibling->Visible()) ++position;
    }
    place.position = position;
    return place;
}

win::HWND InnerWindowOf(const Toolbar& bar) {
    const FormWindows* w = WindowsOf(bar.Parent());
    if (!w) return 0;
    const auto found = w->inner.find(&bar);
    return found == w->inner.end() ? 0 : found->second;
}

}  // namespace vb
