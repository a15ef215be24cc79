#pragma once
/// @file
/// The table a control library exports to describe itself: its classes, their dispatch
/// interface (member names, DISPIDs, types, default values) and event interface (event
/// names, DISPIDs, parameters), and its enumerations. Registration, dispatch and hosts all
/// read this one table.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/dispatch.h"

namespace com {

/// Which calls a member answers; the bits combine.
enum Access : uint8_t { kGet = 1, kPut = 2, kPutRef = 4, kMethod = 8 };

struct MemberInfo {
    std::string name;
    DISPID id = 0;
    VarType type = VarType::Empty;  // Empty for a Variant property or a method
    uint8_t access = 0;
    std::optional<Variant> defaultValue;  // what a new instance holds and a bag leaves out
};

struct ParamInfo {
    std::string name;
    VarType type = VarType::Empty;
};

struct EventInfo {
    std::string name;
    DISPID id = 0;
    std::vector<ParamInfo> params;
};

struct EnumInfo {
    std::string name;
    Guid id;
    std::vector<std::pair<std::string, int32_t>> values;
};

/// How an interface is declared; the bits combine.
enum InterfaceFlags : uint8_t {
    kDual = 1,
    kHidden = 2,
    kNonExtensible = 4,
    kOleAutomation = 8,
    kDispatchOnly = 16
};

/// A dispatch interface lists members; an event interface lists events.
struct InterfaceInfo {
    std::string name;
    Guid iid;
    std::vector<MemberInfo> members;
    std::vector<EventInfo> events;
    uint8_t flags = 0;
};

struct ClassInfo {
    std::string name;
    Guid clsid;
    std::string progId;
    InterfaceInfo defaultInterface;
    InterfaceInfo eventInterface;
    bool isControl = false;
    uint32_t miscStatus = 0;    // the OLEMISC bits a container reads before creating it
    int32_t toolboxBitmap = 0;  // resource id of the designer's toolbox picture
    std::string threadingModel = "Apartment";
};

struct TypeLibrary {
    std::string name;
    std::string helpString;
    Guid libid;
    uint16_t major = 1, minor = 0;
    uint32_t lcid = 0;
    std::vector<ClassInfo> classes;
    std::vector<EnumInfo> enums;
};

/// Lookups by name compare without regard to case; each gives null when nothing matches.
const MemberInfo* FindMember(const InterfaceInfo& in, std::string_view name);
const MemberInfo* FindMember(const InterfaceInfo& in, DISPID id);
const EventInfo* FindEvent(const InterfaceInfo& in, std::string_view name);
const EventInfo* FindEvent(const InterfaceInfo& in, DISPID id);
const ClassInfo* FindClass(const TypeLibrary& lib, const Guid& clsid);

/// GetIDsOfNames answered from the table.
HRESULT IdOfName(const InterfaceInfo& in, std::string_view name, DISPID* id);

/// Checks an Invoke against the table: the member exists, answers @p kind and gets the
/// right number of arguments; a put's argument is converted in place to the member's type.
/// Returns the member in *@p found on success.
HRESULT CheckInvoke(const InterfaceInfo& in, DISPID id, InvokeKind kind, std::span<Variant> args,
                    const MemberInfo** found);

}  // namespace com
