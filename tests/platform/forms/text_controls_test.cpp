// Text boxes, rich-text boxes loading a file, and which changes of the new kinds reach
// the host.

#include <gtest/gtest.h>

#include "platform/files/temp_folder.h"
#include "platform/forms/list_view.h"
#include "platform/forms/recording_host.h"
#include "platform/forms/rich_text_box.h"
#include "platform/forms/slider.h"
#include "platform/forms/tabs.h"
#include "platform/forms/text_box.h"
#include "platform/forms/toggles.h"
#include "platform/headless/headless_host.h"

namespace {

using formstest::Lines;

struct QuickStart : vb::Form {
    QuickStart() : vb::Form("frmQuickStart") {}
    vb::RichTextBox RichTextBox1{*this, "RichTextBox1"};
    vb::TextBox txtName2{*this, "txtName2"};
    vb::CheckBox Check1{*this, "Check1"};
    vb::OptionButton opt1{*this, "opt1"};
    vb::Slider sld{*this, "sld"};
    vb::TabControl tabs{*this, "tabs"};
    vb::ListView lv{*this, "lv"};
};

TEST(TextBox, TypingAppendsOnlyWhenTheBoxTakesInput) {
    headless::HeadlessHost host;
    QuickStart f;
    f.Show();
    f.txtName2.setText("Player 2");
    host.typeText(f.txtName2, "x");
    EXPECT_EQ(f.txtName2.Text(), "Player 2x");
    f.txtName2.setEnabled(false);
    host.typeText(f.txtName2, "y");
    EXPECT_EQ(f.txtName2.Text(), "Player 2x");
    f.txtName2.setText("");
    EXPECT_EQ(f.txtName2.Text(), "");
}

TEST(RichTextBox, LoadFileTakesEveryByteAndKeepsTheDocumentOnError) {
    files_test::TempFolder folder;
    const std::string rtf = std::string("{\\rtf1\\ansi Quick\0 start\\par}", 29) + "\xe9}";
    folder.Write("temp.$$$", rtf);
    QuickStart f;
    f.Load();
    f.RichTextBox1.LoadFile((folder / "temp.$$$").string());
    EXPECT_EQ(f.RichTextBox1.TextRTF(), rtf);
    try {
        f.RichTextBox1.LoadFile((folder / "missing.rtf").string());
        ADD_FAILURE() << "a missing file loaded";
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 53);
    }
    EXPECT_EQ(f.RichTextBox1.TextRTF(), rtf);
}

// Each change reaches the host once; setting the value a control already has is silent.
TEST(NewControls, TheHostHearsOfChangesOnly) {
    formstest::RecordingHost host;
    QuickStart f;
    f.Load();
    f.sld.setRange(0, 1000);
    host.take();
    const std::function<void()> twice[] = {
        [&] { f.txtName2.setText("Ann"); },
        [&] { f.Check1.setValue(1); },
        [&] { f.Check1.setCaption("&Show"); },
        [&] { f.opt1.setValue(true); },
        [&] { f.sld.setValue(700); },
        [&] { f.sld.setTickFrequency(100); },
        [&] { f.tabs.setTabs(4); },
        [&] { f.tabs.setTab(2); },
        [&] { f.tabs.setTabCaption(1, "&Yamb"); },
        [&] { f.lv.setGridLines(true); },
        [&] { f.RichTextBox1.setBackColor(0x663300); },
    };
    for (const auto& set : twice) {
        set();
        set();
    }
    EXPECT_EQ(host.take(),
              (Lines{"control txtName2 Text", "control Check1 Value", "control Check1 Caption",
                     "control opt1 Value", "control sld Value", "control sld Other",
                     "control tabs Items", "control tabs Value", "control tabs Caption",
                     "control lv Other", "control RichTextBox1 Colour"}));
}

}  // namespace
