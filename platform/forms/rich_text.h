#pragma once
/// @file
/// A rich-text (RTF) document as a window layer shows it: paragraphs of runs of text, each
/// run with its own character look. The reader takes the subset our documents are written
/// in (paragraphs and line breaks, bold, italic, underline, fonts, font sizes, colours,
/// left, centred and right paragraphs, indents, space around paragraphs, bulleted
/// paragraphs, the usual special characters); every other control word, group or
/// destination is skipped. It never fails: damaged input gives what could be read.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vb::rtf {

/// Colours as the runtime stores them: 0x00BBGGRR.
using Colour = uint32_t;

/// How a run of text looks.
struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int32_t halfPoints = 24;  ///< font size in half points (\\fs): 24 is 12 pt
    Colour colour = 0;        ///< black unless a colour of the table is chosen
    std::string font;         ///< face name from the font table; "" for the default
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

/// A stretch of text in one look; the text is UTF-8, a line break within a paragraph "\n".
struct Run {
    std::string text;
    CharFormat format;
};

enum class Align { Left, Centre, Right, Justify };

/// A paragraph: its runs and its layout, lengths in twips.
struct Paragraph {
    std::vector<Run> runs;
    Align align = Align::Left;
    int32_t leftIndent = 0;
    int32_t firstIndent = 0;  ///< the first line's offset from leftIndent (negative hangs)
    int32_t rightIndent = 0;
    int32_t spaceBefore = 0;
    int32_t spaceAfter = 0;
    bool bullet = false;  ///< drawn with a bullet before its first line
    /// The paragraph's text, all runs together.
    std::string Text() const;
};

struct Document {
    std::vector<Paragraph> paragraphs;
    /// The text of every paragraph, each ending in "\n" (a bulleted one starting "* ").
    std::string PlainText() const;
};

/// Reads @p rtf. Text outside any "{\rtf" group is read as well; an empty or unreadable
/// input gives an empty document.
Document Read(std::string_view rtf);

}  // namespace vb::rtf
