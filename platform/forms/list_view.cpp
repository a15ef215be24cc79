#include "platform/forms/list_view.h"

#include "platform/runtime/errors.h"

namespace vb {

ListItem::ListItem(ListView& view, std::string key, std::string text)
    : view_(view), key_(std::move(key)), text_(std::move(text)) {}

// A row has as many sub-items as the list has columns after the first.
std::string ListItem::SubItems(int16_t index) const {
    if (index < 1 || static_cast<size_t>(index) >= view_.columns_.size()) Raise(380);
    const auto i = static_cast<size_t>(index - 1);
    return i < subItems_.size() ? subItems_[i] : std::string();
}

void ListItem::setSubItems(int16_t index, const std::string& v) {
    if (index < 1 || static_cast<size_t>(index) >= view_.columns_.size()) Raise(380);
    const auto i = static_cast<size_t>(index - 1);
    if (i >= subItems_.size()) subItems_.resize(i + 1);
    if (subItems_[i] == v) return;
    subItems_[i] = v;
    view_.itemsChanged();
}

bool ListItem::Selected() const { return view_.selected_ == this; }

void ListItem::setSelected(bool v) {
    if (v)
        view_.select(this);
    else if (Selected())
        view_.select(nullptr);
}

void ListView::AddColumn(std::string text, int32_t width, int16_t icon) {
    columns_.push_back({std::move(text), width, icon});
    changed(Prop::Items);
}

void ListView::ClearColumns() {
    if (columns_.empty()) return;
    columns_.clear();
    changed(Prop::Items);
}

ListItem& ListView::AddItem(std::string key, std::string text) {
    for (const ListItem& item : items_)
        if (!key.empty() && item.Key() == key) Raise(35602);
    ListItem& item = items_.emplace_back(*this, std::move(key), std::move(text));
    changed(Prop::Items);
    return item;
}

void ListView::ClearItems() {
    if (items_.empty()) return;
    selected_ = nullptr;
    items_.clear();
    changed(Prop::Items);
}

ListItem& ListView::ListItems(int32_t index) {
    if (index < 1 || index > ItemCount()) Raise(35600);
    return items_[static_cast<size_t>(index - 1)];
}

ListItem& ListView::ListItems(std::string_view key) {
    for (ListItem& item : items_)
        if (!key.empty() && item.Key() == key) return item;
    Raise(35601);
}

void ListView::setGridLines(bool v) { update(gridLines_, v, Prop::Other); }
void ListView::setBackColor(OleColor v) { update(backColor_, v, Prop::Colour); }
void ListView::setFont(const vb::Font& v) { update(font_, v, Prop::Font); }
void ListView::setColumnHeaderIcons(const std::string& imageListName) {
    update(headerIcons_, imageListName, Prop::Other);
}

void ListView::select(ListItem* item) {
    if (selected_ == item) return;
    selected_ = item;
    changed(Prop::Value);
}

void ListView::RaiseItemClick(ListItem& item) {
    if (!ReceivesInput()) return;
    select(&item);
    if (ItemClick) ItemClick(item);
}

}  // namespace vb
