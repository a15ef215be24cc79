#include "hovercommand/hover_library.h"

namespace kantrel {
namespace {

using namespace com;

// Every identifier of the library shares this stem; the last byte tells them apart. The
// game's dialogs name the class by the same values.
constexpr Guid Id(uint8_t last) {
    return Guid{0x4B7A1E20, 0x5C3D, 0x4F61, {0xA8, 0x2E, 0x19, 0x6B, 0x3C, 0x70, 0xD4, last}};
}

// Members from the last identifier to the first, then Refresh, as the interface lists them.
std::vector<MemberInfo> Members() {
    return {
        {"Tag", kTag, VarType::Empty, kGet | kPut, std::nullopt},
        {"hwnd", kHwnd, VarType::Long, kGet, std::nullopt},
        {"GrabBG", kGrabBG, VarType::Boolean, kGet | kPut, Variant(false)},
        {"HAlign", kHAlign, VarType::Long, kGet | kPut, Variant(int32_t{hcaLeft})},
        {"ImageOffset", kImageOffset, VarType::Integer, kGet | kPut, Variant(int16_t{10})},
        {"BorderOffset", kBorderOffset, VarType::Integer, kGet | kPut, Variant(int16_t{10})},
        {"Font", kFont, VarType::Font, kGet | kPutRef, std::nullopt},
        {"Style", kStyle, VarType::Long, kGet | kPut, Variant(int32_t{hcsThinBorder})},
        {"Picture", kPicture, VarType::Picture, kGet | kPutRef, Variant(vb::Picture())},
        {"HovPicture", kHovPicture, VarType::Picture, kGet | kPutRef, Variant(vb::Picture())},
        {"BGPicture", kBGPicture, VarType::Picture, kGet | kPutRef, Variant(vb::Picture())},
        {"Caption", kCaption, VarType::String, kGet | kPut, Variant("HoverCommand")},
        {"Enabled", kEnabled, VarType::Boolean, kGet | kPut, Variant(true)},
        {"ForeColor", kForeColor, VarType::Color, kGet | kPut, Variant(Color{kDefaultForeColor})},
        {"BackColor", kBackColor, VarType::Color, kGet | kPut, Variant(Color{kDefaultBackColor})},
        {"HighlightColor", kHighlightColor, VarType::Color, kGet | kPut,
         Variant(Color{kDefaultHighlightColor})},
        {"Refresh", kRefresh, VarType::Empty, kMethod, std::nullopt},
    };
}

// The mouse events pass Button, Shift, x and Y; the names keep their odd case.
std::vector<ParamInfo> MouseParams() {
    return {{"Button", VarType::Integer},
            {"Shift", VarType::Integer},
            {"x", VarType::Single},
            {"Y", VarType::Single}};
}

ClassInfo MakeClass() {
    ClassInfo c;
    c.name = "HoverCommand";
    c.clsid = Id(0x02);
    c.progId = "Lumbrix1.HoverCommand";
    c.isControl = true;
    c.miscStatus = 0x20191;
    c.toolboxBitmap = 30000;
    c.defaultInterface = {"_HoverCommand",
                          Id(0x03),
                          Members(),
                          {},
                          kDual | kHidden | kNonExtensible | kOleAutomation};
    c.eventInterface = {"__HoverCommand",
                        Id(0x04),
                        {},
                        {{"Click", kEvClick, {}},
                         {"MouseLeave", kEvMouseLeave, {}},
                         {"MouseMove", kEvMouseMove, MouseParams()},
                         {"MouseDown", kEvMouseDown, MouseParams()},
                         {"MouseUp", kEvMouseUp, MouseParams()}},
                        kDispatchOnly | kHidden | kNonExtensible};
    return c;
}

TypeLibrary MakeLibrary() {
    TypeLibrary lib;
    lib.name = "Lumbrix1";
    lib.helpString = "Lumbrix1";
    lib.libid = Id(0x01);
    lib.major = 2;
    lib.minor = 0;
    lib.lcid = 0x409;
    lib.classes.push_back(MakeClass());
    lib.enums = {
        {"hcStyle",
         Id(0x05),
         {{"hcsNone", hcsNone},
          {"hcsPopupBorder", hcsPopupBorder},
          {"hcsThinBorder", hcsThinBorder},
          {"hcsThickBorder", hcsThickBorder},
          {"hcsTextColor", hcsTextColor},
          {"hcsNoBorder", hcsNoBorder},
          {"hcsNoFocusRect", hcsNoFocusRect},
          {"hcsHighlightBG", hcsHighlightBG}}},
        {"hcHorizAlign",
         Id(0x06),
         {{"hcaLeft", hcaLeft}, {"hcaCenter", hcaCenter}, {"hcaRight", hcaRight}}},
    };
    return lib;
}

}  // namespace

const com::TypeLibrary& Library() {
    static const com::TypeLibrary lib = MakeLibrary();
    return lib;
}

const com::ClassInfo& HoverCommandClass() { return Library().classes[0]; }

}  // namespace kantrel
