#pragma once
/// @file
/// A picture object as controls hold it. Pictures are immutable once made; assigning one
/// control's picture to another shares the same picture.

#include <functional>
#include <memory>
#include <string>

namespace gdi {
class Bitmap;
}

namespace vb {

class Picture {
public:
    /// What makes a picture's pixels when they are first needed.
    using Decoder = std::function<std::shared_ptr<const gdi::Bitmap>()>;

    Picture() = default;
    /// A picture over @p bitmap; @p name says where it came from, for dumps and tests.
    explicit Picture(std::shared_ptr<const gdi::Bitmap> bitmap, std::string name = {});
    /// A picture whose pixels @p decode makes, pixels of its own, the first time anything
    /// asks for them, once for the picture and all its copies: a picture that is only kept,
    /// never shown or drawn from, is never decoded.
    static Picture Deferred(Decoder decode, std::string name);

    /// An icon over @p colour and @p mask (white where the icon is see-through, black where
    /// its colour shows), which have the same size.
    static Picture Icon(std::shared_ptr<const gdi::Bitmap> colour,
                        std::shared_ptr<const gdi::Bitmap> mask, std::string name = {});

    /// The pixels (an icon's colour pixels); null for the empty picture.
    const std::shared_ptr<const gdi::Bitmap>& bitmap() const;
    /// An icon's mask; null for a bitmap.
    const std::shared_ptr<const gdi::Bitmap>& mask() const { return mask_; }
    bool isIcon() const { return mask_ != nullptr; }
    const std::string& name() const { return name_; }
    bool empty() const { return !pixels_ && name_.empty(); }

    /// Two pictures are the same when they share their pixels (or are both empty). Telling
    /// decodes no picture.
    friend bool operator==(const Picture& a, const Picture& b);

private:
    struct Pixels {
        std::shared_ptr<const gdi::Bitmap> bitmap;
        Decoder decode;  // set until the pixels are made
    };

    std::shared_ptr<Pixels> pixels_;
    std::shared_ptr<const gdi::Bitmap> mask_;
    std::string name_;
};

}  // namespace vb
