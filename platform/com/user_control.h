#pragma once
/// @file
/// A control that a library implements and a form hosts: the host gives it a site (its
/// window, drawing surface, extender properties and dirty mark) and delivers input; the
/// control loads and saves its properties through a PropertyBag and raises its events
/// through IConnectionPoint.

#include <string>

#include "platform/com/property_bag.h"
#include "platform/com/type_library.h"

namespace com {

/// What the hosting container offers the control. It outlives every call the control
/// makes on it; the control holds no reference count on it.
struct IControlSite {
    /// The extender's name of the control ("cmdOK"), or the class name before it has one.
    virtual std::string Name() = 0;
    /// The control's window handle.
    virtual intptr_t hWnd() = 0;
    /// A memory DC over the control's surface, the control's size in pixels; what is drawn
    /// on it shows at the next Present.
    virtual intptr_t hDC() = 0;
    /// The control's size in pixels.
    virtual int32_t ScaleWidth() = 0;
    virtual int32_t ScaleHeight() = 0;
    /// The window the control sits in (its container, or its form) and the control's
    /// place in it, in pixels: what lies behind the control.
    virtual intptr_t ContainerHWnd() = 0;
    virtual int32_t ContainerLeft() = 0;
    virtual int32_t ContainerTop() = 0;
    /// Whether the form runs (true) or is being designed (false).
    virtual bool UserMode() = 0;
    /// A stored property of the control changed; the container's stored design is dirty.
    virtual void PropertyChanged(const std::string& name) = 0;
    /// Shows what was drawn on the surface.
    virtual void Present() = 0;
    /// Lets pending window messages run (the runtime's DoEvents).
    virtual void ProcessMessages() = 0;
    /// The host control's own font and Enabled, and the extender's Tag.
    virtual vb::Font Font() = 0;
    virtual void setFont(const vb::Font& font) = 0;
    virtual bool Enabled() = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual Variant Tag() = 0;
    virtual void setTag(const Variant& tag) = 0;

protected:
    ~IControlSite() = default;
};

/// The input a host delivers to a control. Positions are in the control's pixels.
enum class Input : uint8_t {
    MouseDown,
    MouseMove,
    MouseUp,
    MouseEnter,
    MouseLeave,
    Click,
    KeyDown,
    KeyUp,
    GotFocus,
    LostFocus,
    CaptureLost,  ///< another window took the mouse capture, or it was released for the control
    Resize
};

struct InputEvent {
    Input kind = Input::Click;
    int16_t button = 0;  // 1 left, 2 right, 4 middle
    int16_t shift = 0;
    float x = 0, y = 0;
    int16_t keyCode = 0;
};

struct IUserControl : IUnknown {
    static constexpr Guid IID{0x6C0D0000, 0x7A11, 0x4E10, {0x9B, 0x01, 0, 0, 0, 0, 0, 0x05}};
    /// Gives the control its site (null: the host is going away).
    virtual HRESULT SetSite(IControlSite* site) = 0;
    /// The control's class in its library's type-library table.
    virtual const ClassInfo& GetClassInfo() = 0;
    /// Sets up a new instance with its defaults (a designer placed it).
    virtual HRESULT InitNew() = 0;
    /// Sets up the instance from stored properties; a failure leaves it partly read.
    virtual HRESULT Load(const PropertyBag& bag) = 0;
    /// Writes the instance's properties, leaving out those at their defaults.
    virtual HRESULT Save(PropertyBag& bag) = 0;
    /// Delivers one piece of input.
    virtual HRESULT OnInput(const InputEvent& input) = 0;

protected:
    ~IUserControl() = default;
};

}  // namespace com
