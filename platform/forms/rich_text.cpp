#include "platform/forms/rich_text.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>
#include <utility>

#include "platform/types/code_page.h"

namespace vb::rtf {

namespace {

// What the text of a group is: the document's own, a name of the font table, or nothing
// (a colour table entry ends at ";" and carries no text, a skipped group drops it).
enum class Dest { Text, FontTable, ColourTable, Skip };

struct GroupState {
    CharFormat format;
    Dest dest = Dest::Text;
    int32_t unicodeSkip = 1;  // fallback characters after \uN
};

// Destinations whose whole group is left out: tables and metadata a writer adds, pictures,
// objects, headers and the text a writer repeats before each list item.
constexpr std::string_view kSkippedGroups[] = {"stylesheet",
                                               "info",
                                               "pict",
                                               "object",
                                               "header",
                                               "headerl",
                                               "headerr",
                                               "headerf",
                                               "footer",
                                               "footerl",
                                               "footerr",
                                               "footerf",
                                               "footnote",
                                               "fldinst",
                                               "pntext",
                                               "listtable",
                                               "listoverridetable",
                                               "generator",
                                               "rsidtbl",
                                               "themedata",
                                               "colorschememapping",
                                               "latentstyles",
                                               "datastore",
                                               "xmlnsdecl",
                                               "filetbl",
                                               "revtbl",
                                               "bkmkstart",
                                               "bkmkend",
                                               "nonshppict",
                                               "annotation",
                                               "atnid",
                                               "atnauthor",
                                               "operator",
                                               "comment"};

// Groups deeper than this are dropped with all they hold: no document of ours nests so.
constexpr size_t kMaxDepth = 200;

void AppendUtf8(std::string& out, char32_t c) {
    if (c >= 0xD800 && (c < 0xE000 || c > 0x10FFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A byte that stands for no character reads as the replacement character.
char32_t FromCp1252(unsigned char byte) {
    const char32_t c = Cp1252Character(byte);
    return c == 0 && byte != 0 ? U'\uFFFD' : c;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Reader {
public:
    explicit Reader(std::string_view rtf) : in_(rtf) { groups_.push_back({}); }

    Document run() {
        while (pos_ < in_.size()) step();
        endParagraph(false);
        return std::move(doc_);
    }

private:
    GroupState& state() { return groups_.back(); }

    void step() {
        const char c = in_[pos_++];
        if (c == '{') return openGroup();
        if (c == '}') return closeGroup();
        if (c == '\\') return controlSymbol();
        if (c == '\r' || c == '\n' || c == '\0') return;
        text(FromCp1252(static_cast<unsigned char>(c)));
    }

    void openGroup() {
        if (groups_.size() >= kMaxDepth) {
            skipGroup();
            return;
        }
        groups_.push_back(state());
        starred_ = false;
    }

    void closeGroup() {
        if (state().dest == Dest::FontTable && fontNumber_ >= 0) endFontName();
        if (groups_.size() > 1) groups_.pop_back();
    }

    // Jumps past the group just opened, nested groups and escaped braces included.
    void skipGroup() {
        int depth = 1;
        while (pos_ < in_.size() && depth > 0) {
            const char c = in_[pos_++];
            if (c == '\\' && pos_ < in_.size())
                ++pos_;
            else if (c == '{')
                ++depth;
            else if (c == '}')
                --depth;
        }
    }

    void controlSymbol() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (std::isalpha(static_cast<unsigned char>(c))) return controlWord();
        ++pos_;
        switch (c) {
            case '\'':
                return hexCharacter();
            case '*':
                starred_ = true;
                return;
            case '~':
                return text(0x00A0);
            case '_':
                return text(0x2011);
            case '-':
                return;
            case '\r':
            case '\n':
                return endParagraph(true);
            default:
                return text(static_cast<unsigned char>(c));
        }
    }

    void hexCharacter() {
        const int high = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
        const int low = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) return;
        pos_ += 2;
        text(FromCp1252(static_cast<unsigned char>(high * 16 + low)));
    }

    void controlWord() {
        const size_t start = pos_;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;
        const std::string word(in_.substr(start, pos_ - start));
        bool hasParam = false;
        const int32_t param = number(hasParam);
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        const bool starred = std::exchange(starred_, false);
        if (word == "bin") {  // raw bytes follow, whatever they look like
            pos_ += std::min<size_t>(static_cast<size_t>(std::max(param, 0)), in_.size() - pos_);
            return;
        }
        if (state().dest == Dest::Skip) return;
        if (word == "u") return unicodeCharacter(param);
        if (destination(word, starred)) return;
        if (state().dest == Dest::FontTable && word == "f") {
            fontNumber_ = param;
            return;
        }
        if (state().dest == Dest::ColourTable) return colourComponent(word, param);
        if (!paragraphWord(word, param, hasParam)) characterWord(word, param, hasParam);
    }

    // A signed decimal parameter; at most nine digits count, the rest are read and dropped.
    int32_t number(bool& present) {
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            std::isdigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
            negative = true;
            ++pos_;
        }
        int32_t value = 0;
        int digits = 0;
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            if (digits++ < 9) value = value * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        present = digits > 0;
        return negative ? -value : value;
    }

    // Words that say what the rest of their group is. Returns whether @p word was one.
    bool destination(const std::string& word, bool starred) {
        if (word == "fonttbl") {
            state().dest = Dest::FontTable;
        } else if (word == "colortbl") {
            state().dest = Dest::ColourTable;
            colours_.clear();
            colour_ = 0;
        } else if (word == "pn") {
            state().dest = Dest::Skip;  // the bullet's own text; \pnlvlblt came with it
            paragraph_.bullet = bulletInPn();
        } else if (starred || std::find(std::begin(kSkippedGroups), std::end(kSkippedGroups),
                                        word) != std::end(kSkippedGroups)) {
            state().dest = Dest::Skip;
        } else {
            return false;
        }
        return true;
    }

    // Whether the numbering group starting here is a bullet (\pnlvlblt) rather than numbers.
    bool bulletInPn() const {
        size_t depth = 0;
        for (size_t p = pos_; p < in_.size(); ++p) {
            if (in_[p] == '{') ++depth;
            if (in_[p] == '}' && depth-- == 0) break;
            if (in_.compare(p, 9, "\\pnlvlblt") == 0) return true;
        }
        return false;
    }

    void colourComponent(const std::string& word, int32_t param) {
        const auto channel = static_cast<Colour>(std::clamp(param, 0, 255));
        if (word == "red") colour_ = (colour_ & 0xFFFF00) | channel;
        if (word == "green") colour_ = (colour_ & 0xFF00FF) | channel << 8;
        if (word == "blue") colour_ = (colour_ & 0x00FFFF) | channel << 16;
    }

    bool paragraphWord(const std::string& word, int32_t param, bool hasParam) {
        Paragraph& p = paragraph_;
        if (word == "par") {
            endParagraph(true);
        } else if (word == "pard") {
            std::vector<Run> runs = std::move(p.runs);
            p = Paragraph{};
            p.runs = std::move(runs);
        } else if (word == "ql" || word == "qc" || word == "qr" || word == "qj") {
            p.align = word == "qc"   ? Align::Centre
                      : word == "qr" ? Align::Right
                      : word == "qj" ? Align::Justify
                                     : Align::Left;
        } else if (word == "li") {
            p.leftIndent = param;
        } else if (word == "fi") {
            p.firstIndent = param;
        } else if (word == "ri") {
            p.rightIndent = param;
        } else if (word == "sb") {
            p.spaceBefore = param;
        } else if (word == "sa") {
            p.spaceAfter = param;
        } else if (word == "pnlvlblt" || (word == "ls" && hasParam)) {
            p.bullet = true;
        } else {
            return false;
        }
        return true;
    }

    void characterWord(const std::string& word, int32_t param, bool hasParam) {
        CharFormat& f = state().format;
        const bool on = !hasParam || param != 0;
        if (word == "plain") {
            f = CharFormat{};
        } else if (word == "b") {
            f.bold = on;
        } else if (word == "i") {
            f.italic = on;
        } else if (word == "ul") {
            f.underline = on;
        } else if (word == "ulnone") {
            f.underline = false;
        } else if (word == "fs" && hasParam && param > 0) {
            f.halfPoints = std::min(param, 3276);
        } else if (word == "cf") {
            f.colour = param > 0 && static_cast<size_t>(param) < colours_.size()
                           ? colours_[static_cast<size_t>(param)]
                           : 0;
        } else if (word == "f") {
            const auto found = fonts_.find(param);
            f.font = found == fonts_.end() ? "" : found->second;
        } else if (word == "uc") {
            state().unicodeSkip = std::clamp(param, 0, 8);
        } else {
            specialCharacter(word);
        }
    }

    void specialCharacter(const std::string& word) {
        static const std::map<std::string, char32_t, std::less<>> specials = {
            {"line", U'\n'},       {"tab", U'\t'},      {"bullet", 0x2022}, {"emdash", 0x2014},
            {"endash", 0x2013},    {"lquote", 0x2018},  {"rquote", 0x2019}, {"ldblquote", 0x201C},
            {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}};
        const auto found = specials.find(word);
        if (found != specials.end()) text(found->second);
    }

    // \uN gives the character N (negative for those above 32767); the next characters are
    // the writer's fallback for readers without Unicode, and are passed over.
    void unicodeCharacter(int32_t param) {
        const int32_t code = param < 0 ? param + 65536 : param;
        text(static_cast<char32_t>(code));
        for (int32_t n = state().unicodeSkip; n > 0 && pos_ < in_.size(); --n) {
            if (in_[pos_] == '{' || in_[pos_] == '}') break;
            if (in_[pos_] == '\\' && pos_ + 1 < in_.size() && in_[pos_ + 1] == '\'')
                pos_ += std::min<size_t>(4, in_.size() - pos_);
            else
                ++pos_;
        }
    }

    void text(char32_t c) {
        switch (state().dest) {
            case Dest::Text:
                return appendText(c);
            case Dest::FontTable:
                if (c == U';')
                    endFontName();
                else
                    AppendUtf8(fontName_, c);
                return;
            case Dest::ColourTable:
                if (c == U';') colours_.push_back(std::exchange(colour_, 0));
                return;
            case Dest::Skip:
                return;
        }
    }

    void appendText(char32_t c) {
        std::vector<Run>& runs = paragraph_.runs;
        if (runs.empty() || !(runs.back().format == state().format))
            runs.push_back({"", state().format});
        AppendUtf8(runs.back().text, c);
    }

    void endFontName() {
        const auto first = fontName_.find_first_not_of(' ');
        if (fontNumber_ >= 0 && first != std::string::npos)
            fonts_[fontNumber_] = fontName_.substr(first);
        fontName_.clear();
        fontNumber_ = -1;
    }

    // \par always ends a paragraph, an empty one too; the end of the input keeps only a
    // paragraph that has text.
    void endParagraph(bool always) {
        if (!always && paragraph_.runs.empty()) return;
        doc_.paragraphs.push_back(paragraph_);
        paragraph_.runs.clear();
    }

    std::string_view in_;
    size_t pos_ = 0;
    std::vector<GroupState> groups_;
    bool starred_ = false;
    std::map<int32_t, std::string> fonts_;
    int32_t fontNumber_ = -1;
    std::string fontName_;
    std::vector<Colour> colours_;
    Colour colour_ = 0;
    Paragraph paragraph_;
    Document doc_;
};

}  // namespace

std::string Paragraph::Text() const {
    std::string all;
    for (const Run& r : runs) all += r.text;
    return all;
}

std::string Document::PlainText() const {
    std::string all;
    for (const Paragraph& p : paragraphs) all += (p.bullet ? "* " : "") + p.Text() + "\n";
    return all;
}

Document Read(std::string_view rtf) { return Reader(rtf).run(); }

}  // namespace vb::rtf
