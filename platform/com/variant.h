#pragma once
/// @file
/// The value that dispatch calls, events and property bags pass: one of the types a
/// control's properties have.

#include <cstdint>
#include <string>
#include <variant>

#include "platform/com/unknown.h"
#include "platform/types/font.h"
#include "platform/types/picture.h"

namespace com {

/// What a Variant holds; the order is that of Variant's alternatives.
enum class VarType : uint8_t {
    Empty,
    Integer,
    Long,
    Single,
    Double,
    Boolean,
    String,
    Color,
    Picture,
    Font
};

/// An OLE_COLOR: 0x00BBGGRR, or 0x800000nn for system colour nn. Its own type so that a
/// colour property is told apart from a Long.
struct Color {
    uint32_t value = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

class Variant {
public:
    Variant() = default;
    Variant(int16_t v) : v_(v) {}
    Variant(int32_t v) : v_(v) {}
    Variant(float v) : v_(v) {}
    Variant(double v) : v_(v) {}
    Variant(bool v) : v_(v) {}
    Variant(std::string v) : v_(std::move(v)) {}
    Variant(const char* v) : v_(std::string(v)) {}
    Variant(Color v) : v_(v) {}
    Variant(vb::Picture v) : v_(std::move(v)) {}
    Variant(vb::Font v) : v_(std::move(v)) {}

    VarType type() const { return static_cast<VarType>(v_.index()); }
    bool empty() const { return type() == VarType::Empty; }

    /// The value when the Variant holds a @p T, else null.
    template <class T>
    const T* get() const {
        return std::get_if<T>(&v_);
    }

    /// Same type and same value.
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, int16_t, int32_t, float, double, bool, std::string, Color,
                 vb::Picture, vb::Font>
        v_;
};

/// Converts @p from to @p want into @p out, as an assignment to a property of that type
/// does: numbers convert among themselves (to a whole type rounding a half to the even
/// neighbour), True is -1 and any number but 0 is True, a number or Boolean becomes its
/// text ("True", "False"), a text holding a number becomes that number, Empty becomes 0,
/// False, "" or the empty picture. A picture or font converts only to itself.
/// DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW on failure, *@p out then untouched.
HRESULT ChangeType(const Variant& from, VarType want, Variant& out);

/// A name for @p t, for traces and test output ("Long", "String").
const char* TypeName(VarType t);

}  // namespace com
