// Identifiers read and written as the registry holds them.

#include "platform/com/guid.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* text;
    bool valid;
};

const ParseCase kParseCases[] = {
    {"{A1B2C3D4-0002-4000-8000-00000000C0DE}", true},
    {"{a1b2c3d4-0002-4000-8000-00000000c0de}", true},
    {"{00000000-0000-0000-0000-000000000000}", true},
    {"A1B2C3D4-0002-4000-8000-00000000C0DE", false},     // no braces
    {"{A1B2C3D4-0002-4000-8000-00000000C0D}", false},    // a digit short
    {"{A1B2C3D4-0002-4000-8000-00000000C0DEF}", false},  // a digit over
    {"{A1B2C3D4 0002-4000-8000-00000000C0DE}", false},   // blank for a dash
    {"{A1B2C3D4-0002-4000-8000-00000000C0DG}", false},   // not hex
    {"{A1B2C3D4-00024000-8000-00000000C0DE-}", false},   // dash moved
    {"", false},
};

TEST(Guid, ParsesOnlyTheRegistryShape) {
    for (const auto& c : kParseCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(com::ParseGuid(c.text).has_value(), c.valid);
    }
}

TEST(Guid, FieldsFollowTheTextAndFormatBackInUpperCase) {
    const auto id = com::ParseGuid("{a1b2c3d4-0e02-4f00-8a00-00000000c0de}");
    ASSERT_TRUE(id);
    EXPECT_EQ(id->Data1, 0xA1B2C3D4u);
    EXPECT_EQ(id->Data2, 0x0E02u);
    EXPECT_EQ(id->Data3, 0x4F00u);
    const uint8_t tail[8] = {0x8A, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0xDE};
    EXPECT_TRUE(std::equal(std::begin(tail), std::end(tail), std::begin(id->Data4)));
    EXPECT_EQ(com::FormatGuid(*id), "{A1B2C3D4-0E02-4F00-8A00-00000000C0DE}");
    EXPECT_EQ(com::FormatGuid(com::GUID_NULL), "{00000000-0000-0000-0000-000000000000}");
}

}  // namespace
