#pragma once
/// @file
/// FreeType under the gdi fonts: which Liberation file a description picks, its metrics
/// and advances at a pixel size, and glyph coverage. Internal to the platform library.

#include <array>
#include <cstdint>
#include <optional>

#include "platform/gdi/paint.h"
#include "platform/gdi/text.h"

struct FT_FaceRec_;

namespace gdi::detail {

/// One face at one size. Faces are shared, so each call sets the size it needs itself.
class ScaledFont {
public:
    /// The face for @p desc at @p scale times its size (2 for a twin); nothing when the
    /// font file cannot be opened.
    static std::optional<ScaledFont> Open(const win::LOGFONTA& desc, int32_t scale);

    win::TEXTMETRICA metrics() const;
    /// How far the pen moves after byte @p c, in whole pixels.
    int32_t advance(unsigned char c) const;
    /// Adds the coverage of byte @p c's glyph to @p mask, its origin at (@p penX, @p baseline).
    void drawGlyph(unsigned char c, Mask& mask, int32_t penX, int32_t baseline) const;

    /// A line drawn under or through text: its first row below the baseline (negative
    /// above it) and its thickness, in pixels.
    struct Line {
        int32_t offset;
        int32_t thickness;
    };
    Line underline() const;
    Line strikeOut() const;

    /// The advance of each byte at one size, kept for the life of the program.
    using Advances = std::array<int32_t, 256>;

private:
    ScaledFont(FT_FaceRec_* face, uint32_t ppem, int32_t cellHeight, const win::LOGFONTA& desc,
               Advances& advances)
        : face_(face), ppem_(ppem), cellHeight_(cellHeight), desc_(desc), advances_(&advances) {}
    void prepare() const;
    int32_t scaled(long fontUnits) const;

    FT_FaceRec_* face_;
    uint32_t ppem_;
    // The cell height asked for (a positive height), which the metrics keep exactly; 0
    // when a character height was asked for.
    int32_t cellHeight_;
    win::LOGFONTA desc_;
    Advances* advances_;
};

}  // namespace gdi::detail
