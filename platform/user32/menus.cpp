#include "platform/user32/menus.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/user32/menu_detail.h"

namespace win {

namespace {

constexpr UINT kTypeFlags = MF_MENUBARBREAK | MF_MENUBREAK | MF_OWNERDRAW | MF_SEPARATOR;

struct Item {
    UINT type = MFT_STRING;
    UINT state = 0;
    UINT id = 0;
    HMENU popup = 0;
    uintptr_t data = 0;
    std::string text;
};

struct Menus {
    std::map<HMENU, std::vector<Item>> all;
    std::map<HWND, HMENU> bars;
    std::map<HWND, HMENU> systemMenus;
    HMENU next = 0x40000;
    std::function<void(HWND)> barListener;
};

Menus& State() {
    static Menus state;
    return state;
}

std::vector<Item>* Find(HMENU menu) {
    auto& all = State().all;
    const auto found = all.find(menu);
    return found == all.end() ? nullptr : &found->second;
}

HMENU Make() {
    Menus& s = State();
    const HMENU handle = s.next;
    s.next += 4;
    s.all[handle];
    return handle;
}

// The item named by position or, searching the drop-downs too, by command identifier.
Item* Locate(HMENU menu, UINT item, bool byPosition, HMENU* owner = nullptr) {
    std::vector<Item>* items = Find(menu);
    if (!items) return nullptr;
    if (byPosition) {
        if (item >= items->size()) return nullptr;
        if (owner) *owner = menu;
        return &(*items)[item];
    }
    for (Item& i : *items) {
        if (i.id == item && (i.id != 0 || !i.popup)) {
            if (owner) *owner = menu;
            return &i;
        }
        if (i.popup)
            if (Item* inner = Locate(i.popup, item, false, owner)) return inner;
    }
    return nullptr;
}

// An item as the flags of AppendMenuA and ModifyMenuA describe it.
void Describe(Item& i, UINT flags, uintptr_t idOrPopup, const char* text) {
    i.type = flags & kTypeFlags;
    i.state = flags & kStateFlags;
    if (flags & MF_POPUP)
        i.popup = static_cast<HMENU>(idOrPopup);
    else
        i.id = static_cast<UINT>(idOrPopup);
    i.data = 0;
    i.text.clear();
    if (i.type & MF_OWNERDRAW)
        i.data = reinterpret_cast<uintptr_t>(text);
    else if (!(i.type & MF_SEPARATOR) && text)
        i.text = text;
}

// Copies @p text, cut to fit, into @p buffer of @p size bytes; returns the bytes copied.
UINT CopyText(const std::string& text, char* buffer, UINT size) {
    if (!buffer || size == 0) return 0;
    const size_t n = std::min<size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<UINT>(n);
}

void DestroyTree(HMENU menu) {
    std::vector<Item>* items = Find(menu);
    if (!items) return;
    std::vector<HMENU> popups;
    for (const Item& i : *items)
        if (i.popup) popups.push_back(i.popup);
    State().all.erase(menu);
    for (const HMENU p : popups) DestroyTree(p);
}

void FillSystemMenu(HMENU menu) {
    const std::pair<UINT, const char*> items[] = {
        {0xF120, "&Restore"},  {0xF010, "&Move"}, {0xF000, "&Size"},         {0xF020, "Mi&nimize"},
        {0xF030, "Ma&ximize"}, {0, nullptr},      {0xF060, "&Close\tAlt+F4"}};
    for (const auto& [id, text] : items)
        AppendMenuA(menu, text ? MF_STRING : MF_SEPARATOR, id, text);
}

}  // namespace

HMENU CreateMenu() { return Make(); }
HMENU CreatePopupMenu() { return Make(); }

BOOL DestroyMenu(HMENU menu) {
    if (!Find(menu)) return 0;
    DestroyTree(menu);
    return 1;
}

BOOL AppendMenuA(HMENU menu, UINT flags, uintptr_t idOrPopup, const char* text) {
    std::vector<Item>* items = Find(menu);
    if (!items) return 0;
    Item i;
    Describe(i, flags, idOrPopup, text);
    items->push_back(std::move(i));
    return 1;
}

BOOL RemoveMenu(HMENU menu, UINT item, UINT flags) {
    HMENU owner = 0;
    const Item* found = Locate(menu, item, flags & MF_BYPOSITION, &owner);
    if (!found) return 0;
    std::vector<Item>& items = *Find(owner);
    items.erase(items.begin() + (found - items.data()));
    return 1;
}

BOOL ModifyMenuA(HMENU menu, UINT item, UINT flags, uintptr_t newId, const char* newItem) {
    Item* i = Locate(menu, item, flags & MF_BYPOSITION);
    if (!i) return 0;
    Describe(*i, flags, newId, newItem);
    return 1;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    Item* i = Locate(menu, item, flags & MF_BYPOSITION);
    if (!i) return kNoItem;
    const UINT before = i->state & (MF_GRAYED | MF_DISABLED);
    i->state = (i->state & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return before;
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    if (!IsWindow(hwnd)) return 0;
    if (menu)
        State().bars[hwnd] = menu;
    else
        State().bars.erase(hwnd);
    return 1;
}

HMENU GetMenu(HWND hwnd) {
    const auto& bars = State().bars;
    const auto found = bars.find(hwnd);
    return found == bars.end() ? 0 : found->second;
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
    if (!IsWindow(hwnd)) return 0;
    auto& menus = State().systemMenus;
    const auto found = menus.find(hwnd);
    if (revert) {
        if (found != menus.end()) {
            DestroyMenu(found->second);
            menus.erase(found);
        }
        return 0;
    }
    if (found != menus.end()) return found->second;
    const HMENU menu = CreatePopupMenu();
    FillSystemMenu(menu);
    menus[hwnd] = menu;
    return menu;
}

int32_t GetMenuItemCount(HMENU menu) {
    const std::vector<Item>* items = Find(menu);
    return items ? static_cast<int32_t>(items->size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int32_t position) {
    if (position < 0) return kNoItem;
    const Item* i = Locate(menu, static_cast<UINT>(position), true);
    return i && !i->popup ? i->id : kNoItem;
}

HMENU GetSubMenu(HMENU menu, int32_t position) {
    if (position < 0) return 0;
    const Item* i = Locate(menu, static_cast<UINT>(position), true);
    return i ? i->popup : 0;
}

int32_t GetMenuStringA(HMENU menu, UINT item, char* buffer, int32_t maxCount, UINT flags) {
    const Item* i = Locate(menu, item, flags & MF_BYPOSITION);
    if (!i) return 0;
    if (!buffer) return static_cast<int32_t>(i->text.size());
    if (maxCount < 1) return 0;
    return static_cast<int32_t>(CopyText(i->text, buffer, static_cast<UINT>(maxCount)));
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const Item* i = Locate(menu, item, flags & MF_BYPOSITION);
    if (!i) return kNoItem;
    const UINT own = i->type | i->state;
    if (!i->popup) return own;
    const auto count = static_cast<UINT>(std::max(0, GetMenuItemCount(i->popup)));
    return (count << 8) | ((own | MF_POPUP) & 0xFF);
}

BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
    if (!info || info->cbSize != sizeof(MENUITEMINFOA)) return 0;
    const Item* i = Locate(menu, item, byPosition);
    if (!i) return 0;
    const UINT mask = info->fMask;
    if (mask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = i->type;
    if (mask & MIIM_STATE) info->fState = i->state;
    if (mask & MIIM_ID) info->wID = i->id;
    if (mask & MIIM_SUBMENU) info->hSubMenu = i->popup;
    if (mask & MIIM_DATA) info->dwItemData = i->data;
    if (mask & (MIIM_TYPE | MIIM_STRING)) {
        if (i->type & (MFT_OWNERDRAW | MFT_SEPARATOR)) {
            info->cch = 0;
        } else {
            if (info->dwTypeData) CopyText(i->text, info->dwTypeData, info->cch);
            info->cch = static_cast<UINT>(i->text.size());
        }
    }
    return 1;
}

BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
    if (!info || info->cbSize != sizeof(MENUITEMINFOA)) return 0;
    Item* i = Locate(menu, item, byPosition);
    if (!i) return 0;
    const UINT mask = info->fMask;
    if (mask & (MIIM_TYPE | MIIM_FTYPE)) i->type = info->fType;
    const bool textItem = !(i->type & (MFT_OWNERDRAW | MFT_SEPARATOR));
    if (((mask & MIIM_TYPE) && textItem) || (mask & MIIM_STRING))
        i->text = info->dwTypeData ? info->dwTypeData : "";
    if (mask & MIIM_STATE) i->state = info->fState;
    if (mask & MIIM_ID) i->id = info->wID;
    if (mask & MIIM_SUBMENU) i->popup = info->hSubMenu;
    if (mask & MIIM_DATA) i->data = info->dwItemData;
    return 1;
}

BOOL DrawMenuBar(HWND hwnd) {
    if (!IsWindow(hwnd)) return 0;
    if (const auto& listener = State().barListener) listener(hwnd);
    return 1;
}

void SetMenuBarListener(std::function<void(HWND)> listener) {
    State().barListener = std::move(listener);
}

namespace detail {

void ForgetMenusOf(HWND hwnd) {
    Menus& s = State();
    for (auto* table : {&s.bars, &s.systemMenus}) {
        const auto found = table->find(hwnd);
        if (found == table->end()) continue;
        DestroyTree(found->second);
        table->erase(found);
    }
}

}  // namespace detail

}  // namespace win
