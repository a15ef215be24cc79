#include "platform/runtime/errors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ErrorTextCase {
    int number;
    const char* want;
};

const char kUnknown[] = "Application-defined or object-defined error";

const ErrorTextCase kErrorTextCases[] = {
    {6, "Overflow"},
    {9, "Subscript out of range"},
    {13, "Type mismatch"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {54, "Bad file mode"},
    {55, "File already open"},
    {57, "Device I/O error"},
    {61, "Disk full"},
    {62, "Input past end of file"},
    {63, "Bad record number"},
    {70, "Permission denied"},
    {75, "Path/File access error"},
    {76, "Path not found"},
    {0, kUnknown},
    {5, kUnknown},
    {56, kUnknown},
    {1000, kUnknown},
    {-1, kUnknown},
};

TEST(ErrorText, GivesTheRuntimesOwnText) {
    for (const auto& c : kErrorTextCases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(vb::ErrorText(c.number), c.want);
    }
}

TEST(RuntimeError, CarriesNumberAndText) {
    const vb::RuntimeError notFound(vb::errFileNotFound);
    EXPECT_EQ(notFound.Number(), 53);
    EXPECT_EQ(notFound.Description(), "File not found");
    EXPECT_STREQ(notFound.what(), "File not found");

    const vb::RuntimeError own(1001, "Score file damaged");
    EXPECT_EQ(own.Number(), 1001);
    EXPECT_EQ(own.Description(), "Score file damaged");
    EXPECT_STREQ(own.what(), "Score file damaged");
}

TEST(Raise, ThrowsTheNumberedError) {
    try {
        vb::Raise(vb::errDiskFull);
        FAIL() << "Raise returned";
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 61);
        EXPECT_STREQ(e.what(), "Disk full");
    }
}

}  // namespace
