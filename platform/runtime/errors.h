#pragma once
/// @file
/// Run-time errors of the language runtime: numbers, texts, and the exception that carries
/// them.

#include <stdexcept>
#include <string>

namespace vb {

/// Numbers of the run-time errors the platform raises.
enum ErrorNumber : int {
    errOverflow = 6,
    errSubscriptOutOfRange = 9,
    errTypeMismatch = 13,
    errBadFileNameOrNumber = 52,
    errFileNotFound = 53,
    errBadFileMode = 54,
    errFileAlreadyOpen = 55,
    errDeviceIO = 57,
    errDiskFull = 61,
    errInputPastEnd = 62,
    errBadRecordNumber = 63,
    errPermissionDenied = 70,
    errPathFileAccess = 75,
    errPathNotFound = 76,
    errPrinter = 482,
};

/// The runtime's own text of error @p number ("File not found" for 53); "Application-
/// defined or object-defined error" for numbers it does not know.
std::string ErrorText(int number);

/// A run-time error, as the runtime raises it: a number and its text.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const std::string& description);
    int Number() const { return number_; }
    const std::string& Description() const { return description_; }

private:
    int number_;
    std::string description_;
};

/// Raises run-time error @p number.
[[noreturn]] void Raise(int number);

}  // namespace vb
