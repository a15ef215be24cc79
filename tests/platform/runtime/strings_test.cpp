#include "platform/runtime/strings.h"

#include <gtest/gtest.h>

namespace {

TEST(Trim, TakesOffBlanksAtBothEndsOnly) {
    struct Case {
        const char* text;
        const char* want;
    };
    const Case cases[] = {{"", ""},           {"   ", ""},        {" a b ", "a b"},
                          {"\tx\t", "\tx\t"}, {"path  ", "path"}, {"  C:\\x", "C:\\x"}};
    for (const auto& c : cases) EXPECT_EQ(vb::Trim(c.text), c.want) << '"' << c.text << '"';
}

}  // namespace
