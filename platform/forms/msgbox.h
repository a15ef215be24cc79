#pragma once
/// @file
/// Message boxes.

#include <cstdint>
#include <string>

namespace vb {

/// Buttons and icons of a message box; the style is their sum.
enum : int16_t {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
/// Answers.
enum : int16_t {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

/// Shows @p prompt with the buttons and icon of @p buttons under @p title and returns the
/// answer. An empty title shows the program's title.
int16_t MsgBox(const std::string& prompt, int16_t buttons = vbOKOnly,
               const std::string& title = "");

}  // namespace vb
