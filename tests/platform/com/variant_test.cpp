// Conversions a property put or a bag read makes: one row per source value and wanted type,
// with the exact result or the exact failure.

#include "platform/com/variant.h"

#include <gtest/gtest.h>

namespace {

using com::Color;
using com::Variant;
using com::VarType;

struct ChangeCase {
    const char* what;
    Variant from;
    VarType want;
    com::HRESULT hr;
    Variant result;
};

const ChangeCase kChangeCases[] = {
    {"Long to Integer", int32_t{10}, VarType::Integer, com::S_OK, int16_t{10}},
    {"Long too large for Integer", int32_t{40000}, VarType::Integer, com::DISP_E_OVERFLOW, {}},
    {"Double half to even, down", 2.5, VarType::Integer, com::S_OK, int16_t{2}},
    {"Double half to even, up", 3.5, VarType::Long, com::S_OK, int32_t{4}},
    {"True is -1", true, VarType::Long, com::S_OK, int32_t{-1}},
    {"any number but 0 is True", int16_t{7}, VarType::Boolean, com::S_OK, true},
    {"0 is False", 0.0, VarType::Boolean, com::S_OK, false},
    {"Boolean as text", false, VarType::String, com::S_OK, "False"},
    {"Long as text", int32_t{-14}, VarType::String, com::S_OK, "-14"},
    {"text holding a number", " 63 ", VarType::Integer, com::S_OK, int16_t{63}},
    {"text holding a fraction", "2.25", VarType::Double, com::S_OK, 2.25},
    {"text that is no number", "five", VarType::Long, com::DISP_E_TYPEMISMATCH, {}},
    {"text True", "True", VarType::Boolean, com::S_OK, true},
    {"system colour written unsigned", 2147483663.0, VarType::Color, com::S_OK, Color{0x8000000F}},
    {"system colour as its Long", static_cast<int32_t>(0x8000000D), VarType::Color, com::S_OK,
     Color{0x8000000D}},
    {"colour back to Long", Color{0x8000000F}, VarType::Long, com::S_OK,
     static_cast<int32_t>(0x8000000F)},
    {"Empty to Integer", {}, VarType::Integer, com::S_OK, int16_t{0}},
    {"Empty to String", {}, VarType::String, com::S_OK, ""},
    {"Empty to Picture is none", {}, VarType::Picture, com::S_OK, vb::Picture()},
    {"number to Picture", int32_t{1}, VarType::Picture, com::DISP_E_TYPEMISMATCH, {}},
    {"font to text", vb::Font{}, VarType::String, com::DISP_E_TYPEMISMATCH, {}},
    {"text to font", "Arial", VarType::Font, com::DISP_E_TYPEMISMATCH, {}},
};

TEST(ChangeType, ConvertsAsAPropertyAssignmentDoes) {
    for (const auto& c : kChangeCases) {
        SCOPED_TRACE(c.what);
        Variant out = "sentinel";
        EXPECT_EQ(com::ChangeType(c.from, c.want, out), c.hr);
        EXPECT_EQ(out, com::SUCCEEDED(c.hr) ? c.result : Variant("sentinel"));
        if (com::SUCCEEDED(c.hr)) {
            EXPECT_EQ(out.type(), c.want) << com::TypeName(out.type());
        }
    }
}

TEST(Variant, EqualityNeedsTheSameType) {
    EXPECT_EQ(Variant(int16_t{2}), Variant(int16_t{2}));
    EXPECT_NE(Variant(int16_t{2}), Variant(int32_t{2}));
    EXPECT_NE(Variant(int32_t{2}), Variant(Color{2}));
    EXPECT_NE(Variant(""), Variant());
}

}  // namespace
