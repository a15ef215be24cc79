#include "platform/runtime/errors.h"

namespace vb {

namespace {

struct ErrorEntry {
    int number;
    const char* text;
};

// The runtime's own wording, which the game shows to the player in its message boxes.
constexpr ErrorEntry kErrorTexts[] = {
    {errOverflow, "Overflow"},
    {errSubscriptOutOfRange, "Subscript out of range"},
    {errTypeMismatch, "Type mismatch"},
    {errBadFileNameOrNumber, "Bad file name or number"},
    {errFileNotFound, "File not found"},
    {errBadFileMode, "Bad file mode"},
    {errFileAlreadyOpen, "File already open"},
    {errDeviceIO, "Device I/O error"},
    {errDiskFull, "Disk full"},
    {errInputPastEnd, "Input past end of file"},
    {errBadRecordNumber, "Bad record number"},
    {errPermissionDenied, "Permission denied"},
    {errPathFileAccess, "Path/File access error"},
    {errPathNotFound, "Path not found"},
    {errPrinter, "Printer error"},
};

}  // namespace

std::string ErrorText(int number) {
    for (const auto& e : kErrorTexts) {
        if (e.number == number) return e.text;
    }
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorText(number)) {}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

void Raise(int number) { throw RuntimeError(number); }

}  // namespace vb
