// The report list: columns, rows by position and by key, sub-items bounded by the columns,
// and one selected row.

#include "platform/forms/list_view.h"

#include <gtest/gtest.h>

#include "platform/forms/form.h"
#include "platform/forms/image_list.h"
#include "platform/headless/headless_host.h"
#include "platform/runtime/errors.h"

namespace {

using Lines = std::vector<std::string>;

struct Scores : vb::Form {
    Scores() : vb::Form("frmScores") {}
    vb::ListView LVScores{*this, "LVScores"};
    vb::ImageList ilHeader{*this, "ilHeader"};
    Lines clicks;

    // Every row as "key text|sub1|sub2|sub3", the selected one marked with "*".
    Lines Rows() {
        Lines rows;
        for (int32_t i = 1; i <= LVScores.ItemCount(); ++i) {
            vb::ListItem& item = LVScores.ListItems(i);
            std::string row = (item.Selected() ? "*" : "") + item.Key() + " " + item.Text();
            for (int16_t s = 1; s < 4; ++s) row += "|" + item.SubItems(s);
            rows.push_back(row);
        }
        return rows;
    }

protected:
    void InitializeComponent() override {
        LVScores.ClearColumns();
        ilHeader.Clear();
        ilHeader.Add(vb::Picture(nullptr, "name"));
        LVScores.AddColumn("", 800, 4);
        LVScores.AddColumn("Name", 2200, 1);
        LVScores.AddColumn("Score", 1550, 3);
        LVScores.AddColumn("Date", 1650, 2);
        LVScores.ItemClick = [this](vb::ListItem& item) { clicks.push_back(item.Key()); };
    }
};

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(ListView, RowsKeysSubItemsAndSelection) {
    headless::HeadlessHost host;
    Scores f;
    f.Show();
    auto& lv = f.LVScores;
    ASSERT_EQ(lv.Columns().size(), 4u);
    EXPECT_EQ(lv.Columns()[1].Text, "Name");
    EXPECT_EQ(lv.Columns()[2].Width, 1550);
    EXPECT_EQ(lv.Columns()[3].Icon, 2);
    for (char k : {'a', 'b', 'c'}) lv.AddItem(std::string(1, k), std::to_string(k - 96));
    lv.ListItems("a").setSubItems(1, "Ann       ");
    lv.ListItems("a").setSubItems(2, "412");
    lv.ListItems("b").setSubItems(3, "01-02-2026");
    lv.ListItems("c").setSelected(true);
    EXPECT_EQ(f.Rows(), (Lines{"a 1|Ann       |412|", "b 2|||01-02-2026", "*c 3|||"}));
    EXPECT_EQ(lv.SelectedItem(), &lv.ListItems(3));

    host.clickListItem(lv, "b");
    EXPECT_EQ(f.clicks, Lines{"b"});
    EXPECT_EQ(lv.SelectedItem(), &lv.ListItems("b"));
    EXPECT_FALSE(lv.ListItems("c").Selected());
    lv.ListItems("b").setSelected(false);
    EXPECT_EQ(lv.SelectedItem(), nullptr);

    lv.setEnabled(false);
    host.clickListItem(lv, "a");
    EXPECT_EQ(f.clicks, Lines{"b"});
    EXPECT_EQ(lv.SelectedItem(), nullptr);

    lv.ListItems("a").setSelected(true);
    lv.ClearItems();
    EXPECT_EQ(lv.ItemCount(), 0);
    EXPECT_EQ(lv.SelectedItem(), nullptr);
}

TEST(ListView, ErrorsForMissingRowsDuplicateKeysAndStraySubItems) {
    headless::HeadlessHost host;
    Scores f;
    f.Load();
    auto& lv = f.LVScores;
    lv.AddItem("a", "1");
    struct Case {
        const char* what;
        std::function<void()> act;
        int error;
    };
    const Case cases[] = {
        {"key found", [&] { lv.ListItems("a"); }, 0},
        {"no such key", [&] { lv.ListItems("t"); }, 35601},
        {"keys are exact", [&] { lv.ListItems("A"); }, 35601},
        {"position 0", [&] { lv.ListItems(0); }, 35600},
        {"position past the end", [&] { lv.ListItems(2); }, 35600},
        {"duplicate key", [&] { lv.AddItem("a", "2"); }, 35602},
        {"sub-item 0", [&] { lv.ListItems("a").setSubItems(0, "x"); }, 380},
        {"sub-item past the columns", [&] { lv.ListItems("a").setSubItems(4, "x"); }, 380},
        {"reading past the columns", [&] { lv.ListItems("a").SubItems(4); }, 380},
        {"header image 1", [&] { f.ilHeader.ListImages(1); }, 0},
        {"header image past the list", [&] { f.ilHeader.ListImages(2); }, 35600},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.act), c.error) << c.what;
    EXPECT_EQ(f.Rows(), Lines{"a 1|||"});
}

}  // namespace
