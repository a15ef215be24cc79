#include "platform/runtime/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/runtime/errors.h"

namespace {

// The error number a call raises, or 0 when it returns.
template <typename F>
int ErrorOf(F&& call) {
    try {
        call();
    } catch (const vb::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

struct ValCase {
    const char* text;
    double want;
};

const ValCase kValCases[] = {
    {"", 0},
    {"abc", 0},
    {"24", 24},
    {"  63", 63},
    {"5 dice", 5},
    {"-14", -14},
    {"1 2", 12},
    {"- 3", -3},
    {"\t\n42", 42},
    {"+7", 7},
    {"007", 7},
    {"0", 0},
    {"3.5x", 3.5},
    {".5", 0.5},
    {"5.", 5},
    {"12.5.6", 12.5},
    {"1e3", 1000},
    {"1D2", 100},
    {"1.5e-1", 0.15},
    {"2e", 2},
    {"2e+", 2},
    {"1E+2x", 100},
    {"1,000", 1},
    {"-", 0},
    {".", 0},
    {"--5", 0},
    {"1e-400", 0},
    {"&H1F", 31},
    {"&h1f", 31},
    {"&HFFFF", -1},
    {"&H8000", -32768},
    {"&H10000", 65536},
    {"&HFFFFFFFF", -1},
    {"&H7FFFFFFF", 2147483647},
    {"&O17", 15},
    {"&O8", 0},
    {"&H", 0},
    {"&X5", 0},
    {"&H1G", 1},
    {"& H 1 F", 31},
};

TEST(Val, ReadsTheLeadingNumber) {
    for (const auto& c : kValCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(vb::Val(c.text), c.want);
    }
}

TEST(Val, RaisesOverflowForNumbersBeyondADouble) {
    EXPECT_EQ(ErrorOf([] { vb::Val("1e400"); }), vb::errOverflow);
    EXPECT_EQ(ErrorOf([] { vb::Val("-1e99999999999999999999"); }), vb::errOverflow);
    EXPECT_EQ(ErrorOf([] { vb::Val("&H100000000"); }), vb::errOverflow);
}

struct LongTextCase {
    int32_t value;
    const char* want;
};

const LongTextCase kLongTextCases[] = {
    {0, "0"},
    {24, "24"},
    {-14, "-14"},
    {100, "100"},
    {std::numeric_limits<int32_t>::max(), "2147483647"},
    {std::numeric_limits<int32_t>::min(), "-2147483648"},
};

TEST(CStr, WritesALong) {
    for (const auto& c : kLongTextCases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(vb::CStr(c.value), c.want);
    }
}

struct DoubleTextCase {
    double value;
    const char* want;
};

const DoubleTextCase kDoubleTextCases[] = {
    {63, "63"},
    {-14, "-14"},
    {0, "0"},
    {-0.0, "0"},
    {0.5, "0.5"},
    {-2.25, "-2.25"},
    {98, "98"},
    {1e20, "1E+20"},
    {1e-7, "1E-07"},
    {1e15, "1E+15"},
    {123456789012345, "123456789012345"},
    {0.1 + 0.2, "0.3"},
    {1.0 / 3, "0.333333333333333"},
    {2.0 / 3, "0.666666666666667"},
    {0.0001, "0.0001"},
    {0.00001, "1E-05"},
    {1.5e300, "1.5E+300"},
    {-2.5e-100, "-2.5E-100"},
    {2147483648.0, "2147483648"},
};

TEST(CStr, WritesADoublesStandardText) {
    for (const auto& c : kDoubleTextCases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(vb::CStr(c.value), c.want);
    }
}

// want is the result; error the run-time error raised instead (0: none).
struct RoundCase {
    double value;
    int32_t want;
    int error;
};

const RoundCase kLongCases[] = {
    {2.5, 2, 0},
    {3.5, 4, 0},
    {-2.5, -2, 0},
    {-3.5, -4, 0},
    {0.5, 0, 0},
    {1.5, 2, 0},
    {-0.5, 0, 0},
    {2.4999999, 2, 0},
    {2.5000001, 3, 0},
    {-7.6, -8, 0},
    {63, 63, 0},
    {2147483647.4, 2147483647, 0},
    {2147483646.5, 2147483646, 0},
    {-2147483648.5, std::numeric_limits<int32_t>::min(), 0},
    {2147483647.5, 0, vb::errOverflow},
    {-2147483648.6, 0, vb::errOverflow},
    {1e10, 0, vb::errOverflow},
    {std::numeric_limits<double>::infinity(), 0, vb::errOverflow},
    {std::nan(""), 0, vb::errOverflow},
};

TEST(CLng, RoundsHalfToEvenAndRaisesOverflow) {
    for (const auto& c : kLongCases) {
        SCOPED_TRACE(c.value);
        int32_t got = -1;
        EXPECT_EQ(ErrorOf([&] { got = vb::CLng(c.value); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(got, c.want);
        }
    }
}

const RoundCase kIntegerCases[] = {
    {2.5, 2, 0},
    {-2.5, -2, 0},
    {3.5, 4, 0},
    {32767.4, 32767, 0},
    {32766.5, 32766, 0},
    {-32768.5, -32768, 0},
    {32767.5, 0, vb::errOverflow},
    {-32769, 0, vb::errOverflow},
    {40000, 0, vb::errOverflow},
};

TEST(CInt, RoundsHalfToEvenAndRaisesOverflow) {
    for (const auto& c : kIntegerCases) {
        SCOPED_TRACE(c.value);
        int32_t got = -1;
        EXPECT_EQ(ErrorOf([&] { got = vb::CInt(c.value); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(got, c.want);
        }
    }
}

struct LongFromTextCase {
    const char* text;
    int32_t want;
    int error;
};

const LongFromTextCase kLongFromTextCases[] = {
    {"500", 500, 0},
    {" 500 ", 500, 0},
    {"\t1000\t", 1000, 0},
    {"2.5", 2, 0},
    {"-3.5", -4, 0},
    {"1e3", 1000, 0},
    {"+8", 8, 0},
    {"&H1F", 31, 0},
    {".5", 0, 0},
    {"", 0, vb::errTypeMismatch},
    {"  ", 0, vb::errTypeMismatch},
    {"abc", 0, vb::errTypeMismatch},
    {"5 dice", 0, vb::errTypeMismatch},
    {"1 2", 0, vb::errTypeMismatch},
    {"2e", 0, vb::errTypeMismatch},
    {"-", 0, vb::errTypeMismatch},
    {"3000000000", 0, vb::errOverflow},
};

TEST(CLng, ReadsAWholeTextAsANumber) {
    for (const auto& c : kLongFromTextCases) {
        SCOPED_TRACE(c.text);
        int32_t got = -1;
        EXPECT_EQ(ErrorOf([&] { got = vb::CLng(std::string_view(c.text)); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(got, c.want);
        }
    }
}

struct IntCase {
    double value;
    double want;
};

const IntCase kIntCases[] = {
    {-0.5, -1}, {2.7, 2}, {-2.7, -3}, {5, 5}, {0, 0}, {-6, -6}, {0.999999, 0}, {1e16, 1e16},
};

TEST(Int, RoundsDown) {
    for (const auto& c : kIntCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(vb::Int(c.value), c.want);
    }
}

}  // namespace
