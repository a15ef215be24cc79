#pragma once
/// @file
/// Text laid out and turned into coverage masks for a bitmap and its twin: the work
/// behind TextOutA, GetTextExtentPoint32A and DrawStateA's text. Internal to the platform
/// library.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/paint.h"
#include "platform/gdi/text.h"

namespace gdi::detail {

/// The glyphs a text shows, and which of them are underlined as the mnemonic.
struct TextRun {
    std::string glyphs;
    std::vector<bool> marked;
};

/// @p text as it stands.
TextRun PlainRun(std::string_view text);
/// @p text with its "&" prefixes taken out: "&" marks the next character (underlined, and
/// a second "&" drawn as one), and a "&" at the end is dropped.
TextRun PrefixRun(std::string_view text);

/// The size of @p text in @p font: the sum of the advances by the cell height. Nothing
/// when the font's file cannot be opened.
std::optional<win::SIZE> MeasureText(const win::LOGFONTA& font, std::string_view text);

/// @p run drawn in @p font: masks the size of its box (MeasureText's size, and twice that
/// for the twin), the baseline at the ascent; the font's underline and strike-out, and the
/// mnemonic's underline, included. Nothing when the font's file cannot be opened.
std::optional<Shape> ShapeText(const win::LOGFONTA& font, const TextRun& run);

}  // namespace gdi::detail
