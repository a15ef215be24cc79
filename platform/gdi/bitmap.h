#pragma once
/// @file
/// Software bitmaps: the pixels behind every bitmap handle, picture and picture-box surface.
///
/// Pixel layout: one uint32_t per pixel, 0x00RRGGBB (blue in the low byte, the top byte
/// always 0), rows top to bottom with no padding. In memory on a little-endian machine a
/// pixel reads B, G, R, 0: the layout of a 32-bit device-independent bitmap and of Qt's
/// RGB32 images. Colours at the Win32 interface are COLORREF values, 0x00BBGGRR; ToPixel
/// and ToColorref convert between the two.
///
/// A monochrome bitmap keeps the same storage, each pixel either 0x000000 (bit 0, black)
/// or 0xFFFFFF (bit 1, white), so raster operations treat both kinds alike.
///
/// Sharpness on high-density screens: a bitmap may carry a twin, the same picture with
/// twice the pixels across and down (its logical size stays the bitmap's). Whatever is
/// drawn on the bitmap through fill, setPixel and draw is drawn on the twin too, at doubled
/// coordinates: from the source's own twin when it has one, else by doubling each source
/// pixel. A host shows the twin where the device pixel ratio is 2 or more.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace gdi {

/// A 0x00BBGGRR colour (Win32's COLORREF) as a 0x00RRGGBB pixel; flag bits above the
/// colour are dropped.
constexpr uint32_t ToPixel(uint32_t colorref) {
    return ((colorref & 0xFFu) << 16) | (colorref & 0xFF00u) | ((colorref >> 16) & 0xFFu);
}

/// A 0x00RRGGBB pixel as a 0x00BBGGRR colour. The swap is its own inverse.
constexpr uint32_t ToColorref(uint32_t pixel) { return ToPixel(pixel); }

/// The nearer of black and white to @p pixel: how a colour lands on a monochrome bitmap.
constexpr uint32_t NearestMono(uint32_t pixel) {
    const uint32_t sum = ((pixel >> 16) & 0xFFu) + ((pixel >> 8) & 0xFFu) + (pixel & 0xFFu);
    return sum >= 383u ? 0xFFFFFFu : 0u;
}

/// The widest and highest bitmap that is made or read. Larger ones are refused rather than
/// risk running out of memory; the game's largest picture is a few hundred pixels across.
inline constexpr int32_t kMaxBitmapSide = 16384;

class Bitmap {
public:
    enum class Format { Rgb32, Mono };

    /// A @p width x @p height bitmap (each at least 0) with every pixel @p fill, no twin.
    Bitmap(int32_t width, int32_t height, Format format = Format::Rgb32, uint32_t fill = 0);
    /// Copies are deep: a copy is a clone with pixels (and a twin) of its own.
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;
    ~Bitmap() = default;

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    Format format() const { return format_; }
    bool monochrome() const { return format_ == Format::Mono; }
    /// Bits a pixel holds at the Win32 interface: 32 or 1.
    uint16_t bitsPerPixel() const { return monochrome() ? 1 : 32; }

    bool contains(int32_t x, int32_t y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    /// The pixel at (@p x, @p y), which must lie inside.
    uint32_t pixel(int32_t x, int32_t y) const { return pixels_[index(x, y)]; }
    /// Sets the pixel at (@p x, @p y), which must lie inside; a monochrome bitmap takes the
    /// nearer of black and white. On the twin the 2 x 2 pixels it covers take the colour.
    void setPixel(int32_t x, int32_t y, uint32_t rgb);
    /// Every pixel becomes @p rgb (on a monochrome bitmap, the nearer of black and white),
    /// the twin's too.
    void fill(uint32_t rgb);

    /// Row @p y, width() pixels. Writing through it leaves the twin alone.
    std::span<uint32_t> row(int32_t y);
    std::span<const uint32_t> row(int32_t y) const;
    /// All pixels, row after row.
    std::span<const uint32_t> pixels() const { return pixels_; }

    /// Copies all of @p source with its top left corner at (@p x, @p y); what falls outside
    /// this bitmap is cut off. Onto a monochrome bitmap each pixel takes the nearer of black
    /// and white. The twin gets the source's twin at (2x, 2y), or the source doubled.
    void draw(const Bitmap& source, int32_t x, int32_t y);

    /// The twin, or nullptr when the bitmap has none.
    const Bitmap* twin() const { return twin_.get(); }
    Bitmap* twin() { return twin_.get(); }
    /// Gives the bitmap @p twin, which must be exactly twice its width and height and of
    /// its format; a twin of the twin is dropped. False (and nothing changes) otherwise.
    bool setTwin(Bitmap twin);
    /// Gives the bitmap a twin made by doubling each of its pixels, to be drawn on from now.
    void addDoubledTwin();
    void dropTwin() { twin_.reset(); }

    /// Equal bitmaps have the same size, format and pixels; when both have twins, the twins
    /// are equal too. A bitmap without a twin compares by its pixels alone, as before twins.
    friend bool operator==(const Bitmap& a, const Bitmap& b);

private:
    // Copies @p source with each of its pixels covering @p scale x @p scale pixels here, its
    // top left corner at (@p x, @p y); no twin is touched.
    void copyScaled(const Bitmap& source, int64_t x, int64_t y, int32_t scale);

    size_t index(int32_t x, int32_t y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }
    uint32_t store(uint32_t rgb) const { return monochrome() ? NearestMono(rgb) : rgb & 0xFFFFFFu; }

    int32_t width_;
    int32_t height_;
    Format format_;
    std::vector<uint32_t> pixels_;
    std::unique_ptr<Bitmap> twin_;
};

/// @p bitmap with each pixel made 2 x 2 pixels (no twin): what a twin drawn by doubling
/// looks like, and the measure a drawn twin is compared with.
Bitmap Doubled(const Bitmap& bitmap);

/// Whether bitmaps take twins; they do unless a host turns it off. A host whose screens all
/// show one device pixel to a pixel turns twins off at its start, so that no twin is read,
/// kept or drawn on that no screen would show: setTwin then refuses one and addDoubledTwin
/// adds none.
void SetTwinsWanted(bool wanted);
bool TwinsWanted();

}  // namespace gdi
