// HoverCommand made by its ProgID: its defaults, its design bag both ways, the rules of its
// property puts, and what it registers.

#include <gtest/gtest.h>

#include "hover_fixture.h"
#include "platform/com/registration.h"
#include "platform/gdi/bitmap.h"
#include "platform/types/picture.h"

namespace {

using com::Color;
using com::Variant;
using hovertest::TestForm;
using Properties = hovertest::Registered;

TEST_F(Properties, ANewInstanceHasItsDefaultsAndSavesOnlyTheFont) {
    TestForm form;
    form.Load();
    ASSERT_EQ(form.created, com::S_OK);
    const std::pair<const char*, Variant> rows[] = {
        {"Caption", "HoverCommand"},
        {"Style", int32_t{2}},
        {"ImageOffset", int16_t{10}},
        {"BorderOffset", int16_t{10}},
        {"HAlign", int32_t{0}},
        {"GrabBG", false},
        {"Enabled", true},
        {"ForeColor", Color{0x80000007}},
        {"BackColor", Color{0x8000000F}},
        {"HighlightColor", Color{0x8000000D}},
        {"Picture", vb::Picture()},
    };
    for (const auto& [name, want] : rows) {
        SCOPED_TRACE(name);
        Variant got;
        EXPECT_EQ(form.cmdOK.GetProperty(name, got), com::S_OK);
        EXPECT_EQ(got, want);
    }
    com::PropertyBag saved;
    EXPECT_EQ(form.cmdOK.Save(saved), com::S_OK);
    EXPECT_EQ(saved.Names(), (std::vector<std::string>{"Font"}));
}

TEST_F(Properties, ABagRoundTripsInWritingOrder) {
    const vb::Picture picture(std::make_shared<gdi::Bitmap>(4, 4), "dot");
    vb::Font font;
    font.Name = "Tahoma";
    font.Bold = true;
    const com::PropertyBag design{
        {"HighlightColor", int32_t{0x00FF00}},
        {"Caption", "&Play"},
        {"Style", int32_t{67}},
        {"HovPicture", picture},
        {"Picture", picture},
        {"ImageOffset", int16_t{4}},
        {"BorderOffset", int16_t{6}},
        {"HAlign", int32_t{1}},
        {"GrabBG", true},
        {"Enabled", false},
        {"Font", font},
        {"ForeColor", int32_t{0xFF}},
    };
    TestForm form(&design);
    form.Load();
    ASSERT_EQ(form.created, com::S_OK);
    EXPECT_EQ(form.cmdOK.Font(), font);
    EXPECT_TRUE(form.cmdOK.Enabled());  // the host's own Enabled is not read from the bag
    com::PropertyBag saved;
    ASSERT_EQ(form.cmdOK.Save(saved), com::S_OK);
    EXPECT_EQ(saved.Names(),
              (std::vector<std::string>{"Caption", "Style", "Picture", "HovPicture", "Font",
                                        "ImageOffset", "BorderOffset", "HAlign", "GrabBG",
                                        "Enabled", "ForeColor", "HighlightColor"}));
    EXPECT_EQ(*saved.Find("Caption"), Variant("&Play"));
    EXPECT_EQ(*saved.Find("ForeColor"), Variant(Color{0xFF}));
    EXPECT_EQ(*saved.Find("Enabled"), Variant(false));
}

TEST_F(Properties, ABagValueOfTheWrongTypeReadsAsItsDefault) {
    const com::PropertyBag design{{"Style", "thin"}, {"Caption", "&Go"}, {"Enabled", "never"}};
    TestForm form(&design);
    form.Load();
    ASSERT_EQ(form.created, com::S_OK);
    Variant v;
    form.cmdOK.GetProperty("Style", v);
    EXPECT_EQ(v, Variant(int32_t{2}));
    form.cmdOK.GetProperty("Caption", v);
    EXPECT_EQ(v, Variant("&Go"));
    form.cmdOK.GetProperty("Enabled", v);
    EXPECT_EQ(v, Variant(true));
}

TEST_F(Properties, OnlyAChangedValueMarksTheDesignDirty) {
    TestForm form;
    form.Load();
    const vb::Picture picture(std::make_shared<gdi::Bitmap>(4, 4), "dot");
    struct Put {
        const char* name;
        Variant value;
        int32_t dirty;  // the count after the put
    };
    const Put puts[] = {
        {"Caption", "HoverCommand", 0},
        {"Caption", "hovercommand", 1},
        {"Style", int32_t{2}, 1},
        {"Style", int32_t{3}, 2},
        {"Picture", picture, 3},
        {"Picture", picture, 4},
        {"ForeColor", static_cast<int32_t>(0x80000007u), 4},
        {"Font", vb::Font(), 5},
    };
    for (const auto& p : puts) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(form.cmdOK.PutProperty(p.name, p.value), com::S_OK);
        EXPECT_EQ(form.cmdOK.DirtyCount(), p.dirty);
    }
}

// The form's code may disable the button through the host or through the property: the
// button's look and the host's own Enabled go together either way.
TEST_F(Properties, EnabledOfTheHostAndOfTheButtonGoTogether) {
    TestForm form;
    form.Load();
    form.cmdOK.setEnabled(false);
    Variant v;
    form.cmdOK.GetProperty("Enabled", v);
    EXPECT_EQ(v, Variant(false));
    EXPECT_EQ(form.cmdOK.DirtyCount(), 1);
    EXPECT_EQ(form.cmdOK.PutProperty("Enabled", false), com::S_OK);  // unchanged value
    EXPECT_EQ(form.cmdOK.DirtyCount(), 1);
    EXPECT_FALSE(form.cmdOK.Enabled());
    EXPECT_EQ(form.cmdOK.PutProperty("Enabled", true), com::S_OK);
    EXPECT_EQ(form.cmdOK.DirtyCount(), 2);
    EXPECT_TRUE(form.cmdOK.Enabled());
}

TEST_F(Properties, RegistrationWritesTheClassAndUnregisteringRemovesIt) {
    com::Guid clsid;
    ASSERT_EQ(com::CLSIDFromProgID(hovertest::kProgID, &clsid), com::S_OK);
    EXPECT_EQ(com::InprocServerOf(clsid), KANTREL_PATH);
    EXPECT_EQ(com::UnregisterServer(KANTREL_PATH), com::S_OK);
    EXPECT_EQ(com::CLSIDFromProgID(hovertest::kProgID, &clsid), com::CO_E_CLASSSTRING);
    EXPECT_EQ(com::InprocServerOf(clsid), "");
}

}  // namespace
