#pragma once
/// @file
/// A list view in report mode: column headers, and rows with a key, a text and sub-items
/// (the texts of the columns after the first). One row at most is selected.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/control.h"

namespace vb {

class ListView;

struct ColumnHeader {
    std::string Text;
    int32_t Width;
    /// The header icon's index in the header image list (1-based), 0 for none.
    int16_t Icon;
};

class ListItem {
public:
    ListItem(ListView& view, std::string key, std::string text);
    const std::string& Key() const { return key_; }
    const std::string& Text() const { return text_; }
    /// The text of column @p index + 1; "" when never set. Raises 380 for an index
    /// outside 1 to the number of columns less one.
    std::string SubItems(int16_t index) const;
    void setSubItems(int16_t index, const std::string& v);
    bool Selected() const;
    /// Selecting a row clears the selection of the others.
    void setSelected(bool v);

private:
    ListView& view_;
    std::string key_;
    std::string text_;
    std::vector<std::string> subItems_;
};

class ListView : public Control {
public:
    using Control::Control;

    // Columns.
    /// Adds a column at the end.
    void AddColumn(std::string text, int32_t width, int16_t icon = 0);
    void ClearColumns();
    const std::vector<ColumnHeader>& Columns() const { return columns_; }

    // Rows.
    /// Adds a row at the end and returns it. Raises 35602 when another row has @p key.
    ListItem& AddItem(std::string key, std::string text);
    /// Removes every row (and so the selection).
    void ClearItems();
    int32_t ItemCount() const { return static_cast<int32_t>(items_.size()); }
    /// The row at @p index, counted from 1. Raises 35600 when there is none.
    ListItem& ListItems(int32_t index);
    /// The row with key @p key. Raises 35601 when there is none.
    ListItem& ListItems(std::string_view key);
    /// The selected row, or nullptr.
    ListItem* SelectedItem() const { return selected_; }

    bool GridLines() const { return gridLines_; }
    void setGridLines(bool v);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor v);
    /// The font of the rows and the column headers.
    const vb::Font& Font() const { return font_; }
    void setFont(const vb::Font& v);
    /// The name of the image list the column headers take their icons from.
    const std::string& ColumnHeaderIcons() const { return headerIcons_; }
    void setColumnHeaderIcons(const std::string& imageListName);

    /// The player clicked a row (after it was selected).
    std::function<void(ListItem&)> ItemClick;
    /// A click by the player on @p item: selects it, then ItemClick. Nothing happens when
    /// the list does not receive input.
    void RaiseItemClick(ListItem& item);

private:
    friend class ListItem;
    void select(ListItem* item);
    void itemsChanged() { changed(Prop::Items); }

    std::vector<ColumnHeader> columns_;
    std::deque<ListItem> items_;
    ListItem* selected_ = nullptr;
    bool gridLines_ = false;
    OleColor backColor_ = vbWindowBackground;
    vb::Font font_;
    std::string headerIcons_;
};

}  // namespace vb
