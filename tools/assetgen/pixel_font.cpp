#include "tools/assetgen/pixel_font.h"

#include <array>
#include <string>
#include <vector>

namespace assetgen {

namespace {

// Each glyph: its rows from the top of a capital down, '#' a dot, split by '|'. Rows 8 and
// 9 are the descender; a glyph that gives fewer rows has none.
struct Glyph {
    char ch;
    const char* rows;
};

constexpr Glyph kGlyphs[] = {
    {' ', "...|...|...|...|...|...|..."},
    {'-', "...|...|...|###|...|...|..."},
    {'.', ".|.|.|.|.|.|#"},
    {':', ".|.|#|.|.|#|."},
    {'(', ".#|#.|#.|#.|#.|#.|.#"},
    {')', "#.|.#|.#|.#|.#|.#|#."},
    {'0', ".###.|#...#|#..##|#.#.#|##..#|#...#|.###."},
    {'1', ".#.|##.|.#.|.#.|.#.|.#.|###"},
    {'2', ".###.|#...#|....#|...#.|..#..|.#...|#####"},
    {'3', "####.|....#|....#|.###.|....#|....#|####."},
    {'4', "...#.|..##.|.#.#.|#..#.|#####|...#.|...#."},
    {'5', "#####|#....|####.|....#|....#|#...#|.###."},
    {'6', ".###.|#....|#....|####.|#...#|#...#|.###."},
    {'7', "#####|....#|...#.|..#..|.#...|.#...|.#..."},
    {'8', ".###.|#...#|#...#|.###.|#...#|#...#|.###."},
    {'9', ".###.|#...#|#...#|.####|....#|....#|.###."},
    {'A', ".###.|#...#|#...#|#####|#...#|#...#|#...#"},
    {'B', "####.|#...#|#...#|####.|#...#|#...#|####."},
    {'C', ".###.|#...#|#....|#....|#....|#...#|.###."},
    {'D', "####.|#...#|#...#|#...#|#...#|#...#|####."},
    {'E', "#####|#....|#....|####.|#....|#....|#####"},
    {'F', "#####|#....|#....|####.|#....|#....|#...."},
    {'G', ".###.|#...#|#....|#.###|#...#|#...#|.####"},
    {'H', "#...#|#...#|#...#|#####|#...#|#...#|#...#"},
    {'I', "###|.#.|.#.|.#.|.#.|.#.|###"},
    {'J', "..###|...#.|...#.|...#.|#..#.|#..#.|.##.."},
    {'K', "#...#|#..#.|#.#..|##...|#.#..|#..#.|#...#"},
    {'L', "#....|#....|#....|#....|#....|#....|#####"},
    {'M', "#...#|##.##|#.#.#|#.#.#|#...#|#...#|#...#"},
    {'N', "#...#|#...#|##..#|#.#.#|#..##|#...#|#...#"},
    {'O', ".###.|#...#|#...#|#...#|#...#|#...#|.###."},
    {'P', "####.|#...#|#...#|####.|#....|#....|#...."},
    {'Q', ".###.|#...#|#...#|#...#|#.#.#|#..#.|.##.#"},
    {'R', "####.|#...#|#...#|####.|#.#..|#..#.|#...#"},
    {'S', ".####|#....|#....|.###.|....#|....#|####."},
    {'T', "#####|..#..|..#..|..#..|..#..|..#..|..#.."},
    {'U', "#...#|#...#|#...#|#...#|#...#|#...#|.###."},
    {'V', "#...#|#...#|#...#|#...#|#...#|.#.#.|..#.."},
    {'W', "#...#|#...#|#...#|#.#.#|#.#.#|#.#.#|.#.#."},
    {'X', "#...#|#...#|.#.#.|..#..|.#.#.|#...#|#...#"},
    {'Y', "#...#|#...#|.#.#.|..#..|..#..|..#..|..#.."},
    {'Z', "#####|....#|...#.|..#..|.#...|#....|#####"},
    {'a', ".....|.....|.###.|....#|.####|#...#|.####"},
    {'b', "#....|#....|####.|#...#|#...#|#...#|####."},
    {'c', "....|....|.###|#...|#...|#...|.###"},
    {'d', "....#|....#|.####|#...#|#...#|#...#|.####"},
    {'e', ".....|.....|.###.|#...#|#####|#....|.###."},
    {'f', "..##|.#..|####|.#..|.#..|.#..|.#.."},
    {'g', ".....|.....|.####|#...#|#...#|#...#|.####|....#|.###."},
    {'h', "#....|#....|####.|#...#|#...#|#...#|#...#"},
    {'i', "#|.|#|#|#|#|#"},
    {'j', "..#|...|..#|..#|..#|..#|..#|#.#|.#."},
    {'k', "#...|#...|#..#|#.#.|##..|#.#.|#..#"},
    {'l', "#.|#.|#.|#.|#.|#.|.#"},
    {'m', ".....|.....|##.#.|#.#.#|#.#.#|#.#.#|#.#.#"},
    {'n', ".....|.....|####.|#...#|#...#|#...#|#...#"},
    {'o', ".....|.....|.###.|#...#|#...#|#...#|.###."},
    {'p', ".....|.....|####.|#...#|#...#|#...#|####.|#....|#...."},
    {'q', ".....|.....|.####|#...#|#...#|#...#|.####|....#|....#"},
    {'r', "....|....|#.##|##..|#...|#...|#..."},
    {'s', "....|....|.###|#...|.##.|...#|###."},
    {'t', ".#..|.#..|####|.#..|.#..|.#..|..##"},
    {'u', ".....|.....|#...#|#...#|#...#|#...#|.####"},
    {'v', ".....|.....|#...#|#...#|#...#|.#.#.|..#.."},
    {'w', ".....|.....|#...#|#...#|#.#.#|#.#.#|.#.#."},
    {'x', ".....|.....|#...#|.#.#.|..#..|.#.#.|#...#"},
    {'y', ".....|.....|#...#|#...#|#...#|#...#|.####|....#|.###."},
    {'z', ".....|.....|#####|...#.|..#..|.#...|#####"},
};

const Glyph& GlyphOf(char ch) {
    for (const Glyph& g : kGlyphs)
        if (g.ch == ch) return g;
    return kGlyphs[0];
}

std::vector<std::string> RowsOf(const Glyph& g) {
    std::vector<std::string> rows(1);
    for (const char* p = g.rows; *p; ++p) {
        if (*p == '|')
            rows.emplace_back();
        else
            rows.back() += *p;
    }
    return rows;
}

// The dots of a line of text: kLineHeight rows of TextWidth columns.
using Mask = std::vector<std::vector<bool>>;

Mask MaskOf(std::string_view text) {
    Mask mask(kLineHeight, std::vector<bool>(static_cast<size_t>(TextWidth(text)), false));
    size_t left = 0;
    for (char ch : text) {
        const std::vector<std::string> rows = RowsOf(GlyphOf(ch));
        for (size_t y = 0; y < rows.size() && y < mask.size(); ++y)
            for (size_t x = 0; x < rows[y].size(); ++x)
                if (rows[y][x] == '#') mask[y][left + x] = true;
        left += rows[0].size() + 1;
    }
    return mask;
}

bool At(const Mask& m, long x, long y) {
    if (y < 0 || x < 0 || y >= static_cast<long>(m.size()) || x >= static_cast<long>(m[0].size()))
        return false;
    return m[static_cast<size_t>(y)][static_cast<size_t>(x)];
}

// Each dot as four half dots, corners filled in along diagonals (the EPX rule): a half dot
// takes the colour of its two outer neighbours when they agree and the other two do not.
Mask Smoothed(const Mask& m) {
    const long height = static_cast<long>(m.size()), width = static_cast<long>(m[0].size());
    Mask out(static_cast<size_t>(2 * height), std::vector<bool>(static_cast<size_t>(2 * width)));
    for (long y = 0; y < height; ++y)
        for (long x = 0; x < width; ++x) {
            const bool p = At(m, x, y), a = At(m, x, y - 1), b = At(m, x + 1, y),
                       c = At(m, x - 1, y), d = At(m, x, y + 1);
            const std::array<bool, 4> half = {
                (c == a && c != d && a != b) ? a : p, (a == b && a != c && b != d) ? b : p,
                (d == c && d != b && c != a) ? c : p, (b == d && b != a && d != c) ? d : p};
            for (size_t k = 0; k < 4; ++k)
                out[static_cast<size_t>(2 * y) + k / 2][static_cast<size_t>(2 * x) + k % 2] =
                    half[k];
        }
    return out;
}

}  // namespace

int TextWidth(std::string_view text) {
    int width = 0;
    for (char ch : text) width += static_cast<int>(RowsOf(GlyphOf(ch))[0].size()) + 1;
    return text.empty() ? 0 : width - 1;
}

void DrawText(Canvas& canvas, std::string_view text, double x, double y, double dot,
              const Paint& paint) {
    if (text.empty()) return;
    const bool smooth = dot * canvas.scale() >= 2;
    const Mask mask = smooth ? Smoothed(MaskOf(text)) : MaskOf(text);
    const double cell = smooth ? dot / 2 : dot;
    for (size_t row = 0; row < mask.size(); ++row)
        for (size_t col = 0; col < mask[row].size(); ++col)
            if (mask[row][col])
                canvas.fill(Rect(x + static_cast<double>(col) * cell,
                                 y + static_cast<double>(row) * cell, cell, cell),
                            paint);
}

}  // namespace assetgen
