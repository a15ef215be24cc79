// The rich-text reader over small documents: each case gives the paragraphs as text, with
// their layout and the looks of their runs, in one line per paragraph.

#include "platform/forms/rich_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// A paragraph as "[centre li=360 fi=-200 bullet] text" and each run that differs from the
// plain look as "<b i u 14pt #0000FF Arial>".
std::string Dump(const vb::rtf::Document& doc) {
    std::string out;
    for (const vb::rtf::Paragraph& p : doc.paragraphs) {
        std::string layout;
        if (p.align == vb::rtf::Align::Centre) layout += " centre";
        if (p.align == vb::rtf::Align::Right) layout += " right";
        if (p.leftIndent != 0) layout += " li=" + std::to_string(p.leftIndent);
        if (p.firstIndent != 0) layout += " fi=" + std::to_string(p.firstIndent);
        if (p.spaceAfter != 0) layout += " sa=" + std::to_string(p.spaceAfter);
        if (p.bullet) layout += " bullet";
        if (!layout.empty()) out += "[" + layout.substr(1) + "] ";
        for (const vb::rtf::Run& r : p.runs) {
            std::string look;
            if (r.format.bold) look += " b";
            if (r.format.italic) look += " i";
            if (r.format.underline) look += " u";
            if (r.format.halfPoints != 24)
                look += " " + std::to_string(r.format.halfPoints / 2) + "pt";
            if (r.format.colour != 0) {
                char hex[16];
                std::snprintf(hex, sizeof hex, "%06X", r.format.colour);
                look += std::string(" #") + hex;
            }
            if (!r.format.font.empty()) look += " " + r.format.font;
            out += look.empty() ? r.text : "<" + look.substr(1) + ">" + r.text;
        }
        out += "|";
    }
    return out;
}

struct Case {
    const char* name;
    const char* rtf;
    const char* want;
};

const Case kCases[] = {
    {"plain paragraphs", R"({\rtf1\ansi one\par two\par})", "one|two|"},
    {"text after the last paragraph mark is kept", R"({\rtf1 one\par two})", "one|two|"},
    {"an empty paragraph stays", R"({\rtf1 a\par\par b\par})", "a||b|"},
    {"bold, italic and underline on and off",
     R"({\rtf1 \b bold\b0  \i it\i0  \ul u\ulnone  x\par})", "<b>bold <i>it <u>u x|"},
    {"a group's look ends with it", R"({\rtf1 {\b in} out\par})", "<b>in out|"},
    {"plain look and font sizes", R"({\rtf1 \fs40\b big\plain  small\par})", "<b 20pt>big small|"},
    {"fonts and colours from their tables",
     R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fswiss Tahoma;}}{\colortbl ;\red255\green0\blue0;\red0\green0\blue255;}
\f1\cf1 red\cf2 blue\cf0\f0  plain\par})",
     "<#0000FF Tahoma>red<#FF0000 Tahoma>blue<Arial> plain|"},
    {"centred, indented and spaced paragraphs",
     R"({\rtf1\qc title\par\pard\li360\fi-200\sa60 body\par})",
     "[centre] title|[li=360 fi=-200 sa=60] body|"},
    {"a new paragraph layout ends the old one", R"({\rtf1\qr right\par\pard left\par})",
     "[right] right|left|"},
    {"bullets, their repeated text skipped",
     R"({\rtf1{\pntext\'b7\tab}{\*\pn\pnlvlblt\pnf1{\pntxtb\'b7}}\li360 item\par})",
     "[li=360 bullet] item|"},
    {"escapes and special characters", R"({\rtf1 a\{b\}c\\d \'e9\'93q\'94\~x\emdash y\par})",
     "a{b}c\\d \xC3\xA9\xE2\x80\x9Cq\xE2\x80\x9D\xC2\xA0x\xE2\x80\x94y|"},
    {"a byte that stands for no character", R"({\rtf1 a\'81z\par})",
     "a\xEF\xBF\xBD"
     "z|"},
    {"unicode with its fallback skipped", R"({\rtf1\uc1 \u8364?5 \u-3913?\par})",
     "\xE2\x82\xAC"
     "5 \xEF\x82\xB7|"},
    {"line breaks and tabs", R"({\rtf1 a\line b\tab c\par})", "a\nb\tc|"},
    {"unknown destinations and metadata are skipped",
     R"({\rtf1{\info{\title T}{\author A}}{\*\generator W;}{\stylesheet{\s0 Normal;}}{\*\unknown z}kept\par})",
     "kept|"},
    {"pictures and raw bytes are skipped", R"({\rtf1{\pict\pngblip 89504e47}\bin3 {}zx\par})",
     "x|"},
    {"unbalanced braces and a cut-off escape", R"({\rtf1 {{a}}} b\par}}}\')", "a b|"},
    {"nothing", "", ""},
};

TEST(RichText, ReadsOurSubsetAndSkipsTheRest) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Dump(vb::rtf::Read(c.rtf)), c.want);
    }
}

// Deep nesting, stray bytes and huge numbers read without harm.
TEST(RichText, HostileInputGivesWhatCanBeRead) {
    std::string deep(100000, '{');
    deep += "x";
    EXPECT_EQ(vb::rtf::Read(deep).PlainText(), "");
    std::string odd = "{\\rtf1 \\fs99999999999999 a\\cf-5 b\\li-99999999999 ";
    odd += '\0';
    odd += "c\\par}";
    EXPECT_EQ(vb::rtf::Read(odd).PlainText(), "abc\n");
    EXPECT_EQ(vb::rtf::Read("{\\rtf1 \\bin999999999").PlainText(), "");
}

}  // namespace
