#pragma once
/// @file
/// Late-bound calls: a member is found by name once (its DISPID) and then got, put or
/// called by that number with Variant arguments.

#include <span>
#include <string_view>

#include "platform/com/variant.h"

namespace com {

using DISPID = int32_t;

/// What an Invoke does with the member.
enum class InvokeKind : uint8_t {
    Method = 1,
    PropertyGet = 2,
    PropertyPut = 4,
    PropertyPutRef = 8
};

struct IDispatch : IUnknown {
    static constexpr Guid IID{0x6C0D0000, 0x7A11, 0x4E10, {0x9B, 0x01, 0, 0, 0, 0, 0, 0x02}};
    /// The DISPID of the member @p name (compared without regard to case), or
    /// DISP_E_UNKNOWNNAME with *@p id set to -1.
    virtual HRESULT GetIDsOfNames(std::string_view name, DISPID* id) = 0;
    /// Gets (no argument, value into *@p result), puts (one argument) or calls member @p id.
    /// DISP_E_MEMBERNOTFOUND for an unknown id or a kind the member lacks,
    /// DISP_E_BADPARAMCOUNT for the wrong number of arguments, DISP_E_TYPEMISMATCH for an
    /// argument that does not convert to the member's type; the member's own failure
    /// otherwise.
    virtual HRESULT Invoke(DISPID id, InvokeKind kind, std::span<Variant> args,
                           Variant* result) = 0;

protected:
    ~IDispatch() = default;
};

/// Gets the property @p name of @p object into @p out.
HRESULT GetProperty(IDispatch& object, std::string_view name, Variant& out);
/// Puts @p value into the property @p name (by reference for a picture or font).
HRESULT PutProperty(IDispatch& object, std::string_view name, Variant value);
/// Calls the method @p name without arguments.
HRESULT CallMethod(IDispatch& object, std::string_view name);

}  // namespace com
