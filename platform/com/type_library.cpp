#include "platform/com/type_library.h"

#include <algorithm>

#include "platform/com/names.h"

namespace com {
namespace {

template <class T, class Key, class Match>
const T* FindIn(const std::vector<T>& items, const Key& key, Match match) {
    const auto it = std::ranges::find_if(items, [&](const T& item) { return match(item, key); });
    return it == items.end() ? nullptr : &*it;
}

uint8_t AccessOf(InvokeKind kind) {
    switch (kind) {
        case InvokeKind::Method:
            return kMethod;
        case InvokeKind::PropertyGet:
            return kGet;
        case InvokeKind::PropertyPut:
            return kPut;
        case InvokeKind::PropertyPutRef:
            return kPutRef;
    }
    return 0;
}

}  // namespace

const MemberInfo* FindMember(const InterfaceInfo& in, std::string_view name) {
    return FindIn(in.members, name,
                  [](const MemberInfo& m, std::string_view n) { return SameName(m.name, n); });
}

const MemberInfo* FindMember(const InterfaceInfo& in, DISPID id) {
    return FindIn(in.members, id, [](const MemberInfo& m, DISPID d) { return m.id == d; });
}

const EventInfo* FindEvent(const InterfaceInfo& in, std::string_view name) {
    return FindIn(in.events, name,
                  [](const EventInfo& e, std::string_view n) { return SameName(e.name, n); });
}

const EventInfo* FindEvent(const InterfaceInfo& in, DISPID id) {
    return FindIn(in.events, id, [](const EventInfo& e, DISPID d) { return e.id == d; });
}

const ClassInfo* FindClass(const TypeLibrary& lib, const Guid& clsid) {
    return FindIn(lib.classes, clsid,
                  [](const ClassInfo& c, const Guid& g) { return c.clsid == g; });
}

HRESULT IdOfName(const InterfaceInfo& in, std::string_view name, DISPID* id) {
    if (!id) return E_POINTER;
    const MemberInfo* m = FindMember(in, name);
    *id = m ? m->id : -1;
    return m ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT CheckInvoke(const InterfaceInfo& in, DISPID id, InvokeKind kind, std::span<Variant> args,
                    const MemberInfo** found) {
    const MemberInfo* m = FindMember(in, id);
    if (!m || !(m->access & AccessOf(kind))) return DISP_E_MEMBERNOTFOUND;
    const bool put = kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef;
    if (args.size() != (put ? 1u : 0u)) return DISP_E_BADPARAMCOUNT;
    if (put && m->type != VarType::Empty) {
        Variant converted;
        if (const HRESULT hr = ChangeType(args[0], m->type, converted); FAILED(hr)) return hr;
        args[0] = std::move(converted);
    }
    if (found) *found = m;
    return S_OK;
}

}  // namespace com
