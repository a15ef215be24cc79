#include "platform/com/variant.h"

#include <cmath>
#include <limits>
#include <optional>

#include "platform/runtime/conversions.h"
#include "platform/runtime/errors.h"

namespace com {
namespace {

// The number a Variant holds, or nullopt for a picture, a font or a text that is not one.
std::optional<double> NumberOf(const Variant& v) {
    if (v.empty()) return 0.0;
    if (const auto* p = v.get<int16_t>()) return *p;
    if (const auto* p = v.get<int32_t>()) return *p;
    if (const auto* p = v.get<float>()) return *p;
    if (const auto* p = v.get<double>()) return *p;
    if (const auto* p = v.get<bool>()) return *p ? -1.0 : 0.0;
    if (const auto* p = v.get<Color>()) return static_cast<double>(static_cast<int32_t>(p->value));
    if (const auto* p = v.get<std::string>()) {
        // CLng tells a number from other text; a number too large for a Long is still one.
        try {
            try {
                vb::CLng(std::string_view(*p));
            } catch (const vb::RuntimeError& e) {
                if (e.Number() != vb::errOverflow) return std::nullopt;
            }
            return vb::Val(*p);
        } catch (const vb::RuntimeError&) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<int32_t> Whole(double d, double lo, double hi) {
    const double r = std::nearbyint(d);  // the default rounding mode: half to even
    if (!(r >= lo && r <= hi)) return std::nullopt;
    return static_cast<int32_t>(r);
}

std::string TextOf(const Variant& v) {
    if (const auto* s = v.get<std::string>()) return *s;
    if (const auto* b = v.get<bool>()) return *b ? "True" : "False";
    if (v.empty()) return "";
    if (const auto* i = v.get<int16_t>()) return vb::CStr(static_cast<int32_t>(*i));
    if (const auto* l = v.get<int32_t>()) return vb::CStr(*l);
    return vb::CStr(*NumberOf(v));
}

HRESULT ToNumber(double d, VarType want, Variant& out) {
    constexpr double kLongMin = std::numeric_limits<int32_t>::min();
    constexpr double kLongMax = std::numeric_limits<int32_t>::max();
    switch (want) {
        case VarType::Integer: {
            const auto w = Whole(d, -32768.0, 32767.0);
            if (!w) return DISP_E_OVERFLOW;
            out = static_cast<int16_t>(*w);
            return S_OK;
        }
        case VarType::Long:
        case VarType::Color: {
            // A colour may be written as the unsigned &H80000005 or the Long it reads as.
            const double wrapped =
                want == VarType::Color && d > kLongMax && d <= 4294967295.0 ? d - 4294967296.0 : d;
            const auto w = Whole(wrapped, kLongMin, kLongMax);
            if (!w) return DISP_E_OVERFLOW;
            out = want == VarType::Long ? Variant(*w) : Variant(Color{static_cast<uint32_t>(*w)});
            return S_OK;
        }
        case VarType::Single:
            out = static_cast<float>(d);
            return S_OK;
        case VarType::Double:
            out = d;
            return S_OK;
        case VarType::Boolean:
            out = d != 0.0;
            return S_OK;
        default:
            return DISP_E_TYPEMISMATCH;
    }
}

}  // namespace

HRESULT ChangeType(const Variant& from, VarType want, Variant& out) {
    if (from.type() == want) {
        out = from;
        return S_OK;
    }
    switch (want) {
        case VarType::Empty:
            out = Variant();
            return S_OK;
        case VarType::String:
            if (from.type() == VarType::Picture || from.type() == VarType::Font)
                return DISP_E_TYPEMISMATCH;
            out = TextOf(from);
            return S_OK;
        case VarType::Picture:
            if (!from.empty()) return DISP_E_TYPEMISMATCH;
            out = vb::Picture();
            return S_OK;
        case VarType::Font:
            return DISP_E_TYPEMISMATCH;
        default:
            break;
    }
    if (want == VarType::Boolean) {
        if (const auto* s = from.get<std::string>()) {
            if (*s == "True" || *s == "False") {
                out = *s == "True";
                return S_OK;
            }
        }
    }
    const auto number = NumberOf(from);
    if (!number) return DISP_E_TYPEMISMATCH;
    return ToNumber(*number, want, out);
}

const char* TypeName(VarType t) {
    static const char* const names[] = {"Empty",   "Integer", "Long",  "Single",  "Double",
                                        "Boolean", "String",  "Color", "Picture", "Font"};
    return names[static_cast<size_t>(t)];
}

}  // namespace com
