#include "platform/com/dispatch.h"

namespace com {

HRESULT GetProperty(IDispatch& object, std::string_view name, Variant& out) {
    DISPID id = -1;
    if (const HRESULT hr = object.GetIDsOfNames(name, &id); FAILED(hr)) return hr;
    return object.Invoke(id, InvokeKind::PropertyGet, {}, &out);
}

HRESULT PutProperty(IDispatch& object, std::string_view name, Variant value) {
    DISPID id = -1;
    if (const HRESULT hr = object.GetIDsOfNames(name, &id); FAILED(hr)) return hr;
    const bool byReference = value.type() == VarType::Picture || value.type() == VarType::Font;
    return object.Invoke(id, byReference ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut,
                         std::span<Variant>(&value, 1), nullptr);
}

HRESULT CallMethod(IDispatch& object, std::string_view name) {
    DISPID id = -1;
    if (const HRESULT hr = object.GetIDsOfNames(name, &id); FAILED(hr)) return hr;
    return object.Invoke(id, InvokeKind::Method, {}, nullptr);
}

}  // namespace com
