// A control's stored properties: read with a default, written leaving defaults out.

#include "platform/com/property_bag.h"

#include <gtest/gtest.h>

namespace {

using com::PropertyBag;
using com::Variant;

struct ReadCase {
    const char* name;
    Variant defaultValue;
    com::HRESULT hr;
    Variant want;
};

TEST(PropertyBag, ReadsTheStoredValueAsTheDefaultsType) {
    const PropertyBag bag{{"Caption", "&Play"}, {"Style", int32_t{66}},
                          {"ImageOffset", "4"}, {"Enabled", false},
                          {"HAlign", "centre"}, {"BorderOffset", int32_t{70000}}};
    const ReadCase cases[] = {
        {"Caption", "HoverCommand", com::S_OK, "&Play"},
        {"caption", "HoverCommand", com::S_OK, "&Play"},  // names without regard to case
        {"Style", int32_t{2}, com::S_OK, int32_t{66}},
        {"ImageOffset", int16_t{10}, com::S_OK, int16_t{4}},
        {"Enabled", true, com::S_OK, false},
        {"GrabBG", false, com::S_OK, false},  // not stored: the default
        {"Picture", vb::Picture(), com::S_OK, vb::Picture()},
        {"HAlign", int32_t{0}, com::DISP_E_TYPEMISMATCH, "untouched"},
        {"BorderOffset", int16_t{10}, com::DISP_E_OVERFLOW, "untouched"},
        {"Style", Variant(), com::S_OK, int32_t{66}},  // an Empty default takes it as stored
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Variant out = "untouched";
        EXPECT_EQ(bag.ReadProperty(c.name, c.defaultValue, out), c.hr);
        EXPECT_EQ(out, c.want);
    }
}

TEST(PropertyBag, LeavesOutValuesEqualToTheirDefault) {
    PropertyBag bag;
    bag.WriteProperty("Caption", "HoverCommand", Variant("HoverCommand"));
    bag.WriteProperty("Style", int32_t{2}, Variant(int32_t{2}));
    bag.WriteProperty("ImageOffset", int32_t{10}, Variant(int16_t{10}));  // compared as Integer
    bag.WriteProperty("Font", vb::Font{});                                // no default: stored
    bag.WriteProperty("Enabled", false, Variant(true));
    EXPECT_EQ(bag.Names(), (std::vector<std::string>{"Font", "Enabled"}));

    bag.WriteProperty("enabled", true, Variant(true));  // back to its default: removed
    bag.WriteProperty("Font", vb::Font{"Arial", 10});
    EXPECT_EQ(bag.Names(), (std::vector<std::string>{"Font"}));
    ASSERT_NE(bag.Find("FONT"), nullptr);
    EXPECT_EQ(*bag.Find("FONT"), Variant(vb::Font{"Arial", 10}));
}

}  // namespace
