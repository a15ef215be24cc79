#pragma once
// A memory DC with a bitmap of its own for the GDI tests, both deleted at the end of the
// test, and helpers that fill and read it through GetPixel and SetPixel.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/gdi32.h"

namespace gdi_test {

class MemoryDC {
public:
    MemoryDC(int32_t width, int32_t height, uint32_t bitsPerPixel = 32)
        : width_(width),
          height_(height),
          dc_(win::CreateCompatibleDC(0)),
          bitmap_(win::CreateBitmap(width, height, 1, bitsPerPixel, nullptr)),
          stock_(win::SelectObject(dc_, bitmap_)) {}
    ~MemoryDC() {
        win::SelectObject(dc_, stock_);
        win::DeleteObject(bitmap_);
        win::DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    win::HDC dc() const { return dc_; }
    win::HBITMAP bitmap() const { return bitmap_; }

    void fill(win::COLORREF colour) {
        for (int32_t y = 0; y < height_; ++y)
            for (int32_t x = 0; x < width_; ++x) win::SetPixel(dc_, x, y, colour);
    }
    /// Sets the pixels row after row from @p colours.
    void set(const std::vector<win::COLORREF>& colours) {
        for (size_t i = 0; i < colours.size(); ++i)
            win::SetPixel(dc_, static_cast<int32_t>(i % static_cast<size_t>(width_)),
                          static_cast<int32_t>(i / static_cast<size_t>(width_)), colours[i]);
    }
    /// Every pixel, row after row.
    std::vector<win::COLORREF> read() const {
        std::vector<win::COLORREF> out;
        for (int32_t y = 0; y < height_; ++y)
            for (int32_t x = 0; x < width_; ++x) out.push_back(win::GetPixel(dc_, x, y));
        return out;
    }

private:
    int32_t width_;
    int32_t height_;
    win::HDC dc_;
    win::HBITMAP bitmap_;
    win::HGDIOBJ stock_;
};

}  // namespace gdi_test
