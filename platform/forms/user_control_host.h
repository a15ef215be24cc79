#pragma once
/// @file
/// A control of a form made by a library class named by its ProgID
/// ("Lumbrix1.HoverCommand"). The host owns the instance: it gives it a drawing surface
/// the control's size, passes it the input the window layer delivers, and raises the
/// instance's events (Click, MouseDown, MouseMove, MouseUp, and any other by name) to the
/// form's handlers. Left, Top, Width, Height, Visible, Tag, Default and Cancel are the
/// host's own (the extender's); every other property is the instance's, by dispatch.
///
/// When the instance cannot be made (the library is missing or does not load), the control
/// stands in as a standard button: it keeps the stored Caption, Enabled and Font, raises
/// Click itself, and the window layer shows it as a standard button, so that the form's code
/// runs the same whether the library loaded or not.

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "platform/com/dispatch.h"
#include "platform/com/events.h"
#include "platform/com/property_bag.h"
#include "platform/com/user_control.h"
#include "platform/forms/control.h"

namespace gdi {
class Bitmap;
}

namespace vb {

class UserControlHost : public Control {
public:
    using EventHandler = std::function<void(std::span<com::Variant> args)>;

    UserControlHost(Form& owner, std::string name, std::string progId, int16_t index = -1);
    ~UserControlHost() override;

    const std::string& ProgID() const { return progId_; }

    /// Makes a fresh instance by the ProgID and sets it up from @p bag (its stored
    /// properties), or with its defaults when @p bag is null; an instance made before is
    /// released first. On failure the host holds no instance and the result says why.
    com::HRESULT Create(const com::PropertyBag* bag = nullptr);
    /// Releases the instance (nothing when there is none).
    void Destroy();
    /// Writes the instance's properties into @p bag; E_UNEXPECTED without an instance.
    com::HRESULT Save(com::PropertyBag& bag);

    /// Whether Create failed and the control stands in as a standard button.
    bool Fallback() const { return fallback_; }
    /// Tells the player why Create failed, naming the library, in a message box, once per
    /// run for each library.
    void ReportLoadError() const;

    /// The extender's Default (Enter presses the control) and Cancel (Escape presses it).
    bool Default() const { return default_; }
    void setDefault(bool v);
    bool Cancel() const { return cancel_; }
    void setCancel(bool v);

    /// The instance's interfaces, or null before Create.
    com::IUserControl* Instance() const { return instance_.get(); }
    com::IDispatch* Object() const { return dispatch_.get(); }

    /// A property by name: the extender's (Left, Top, Width, Height, Visible, Tag) or the
    /// instance's; Enabled is the host's own when the instance has none.
    com::HRESULT GetProperty(std::string_view name, com::Variant& out);
    com::HRESULT PutProperty(std::string_view name, com::Variant value);

    /// The caption the instance shows (its Caption property), "" when it has none.
    std::string Caption();

    /// Events other than Click and the mouse events, by name ("MouseLeave"); arguments as
    /// the instance passes them, positions in its pixels.
    std::map<std::string, EventHandler> Events;

    /// The host control's font, which the instance reads and sets through its site.
    const vb::Font& Font() const { return font_; }
    void setFont(const vb::Font& v);

    /// Input from the window layer, passed to the instance when the control receives input
    /// (a captured move also while it does not); positions in twips.
    void RaiseClick() override;
    void RaiseMouseDown(int16_t button, int16_t shift, float x, float y) override;
    void RaiseMouseMove(int16_t button, int16_t shift, float x, float y) override;
    void RaiseMouseUp(int16_t button, int16_t shift, float x, float y) override;
    void RaiseMouseEnter();
    void RaiseMouseLeave();
    void RaiseKeyDown(int16_t keyCode, int16_t shift);
    void RaiseKeyUp(int16_t keyCode, int16_t shift);
    void RaiseGotFocus();
    void RaiseLostFocus();
    /// Another window took the mouse capture from the control, or it was released.
    void RaiseCaptureLost();

    /// The drawing surface, made on first use the control's size in pixels (15 twips a
    /// pixel) and made afresh after a resize.
    intptr_t hDC();
    /// What the instance has drawn so far, for the window layer to show.
    vb::Picture Image();
    /// The surface's pixels (its twin() for a device pixel ratio of 2 or more), or nullptr
    /// before first use. Valid until the next GDI call that selects, creates or deletes
    /// objects.
    const gdi::Bitmap* Surface() const;
    /// How many times the instance marked a stored property changed (the design is dirty).
    int32_t DirtyCount() const { return dirty_; }

protected:
    void positionChanged() override;
    /// The form's code set the host's Enabled: the instance's Enabled follows.
    void enabledChanged() override;

private:
    class Site;
    class Sink;
    friend class Site;
    friend class Sink;

    bool instanceHas(std::string_view name);
    void deliver(const com::InputEvent& input);
    void raiseEvent(com::DISPID id, std::span<com::Variant> args);
    void freeSurface();
    void standIn(const com::PropertyBag* bag, com::HRESULT why);
    std::string libraryName() const;
    com::HRESULT getStandIn(std::string_view name, com::Variant& out);
    com::HRESULT putStandIn(std::string_view name, com::Variant value);

    std::string progId_;
    com::ComPtr<com::IUserControl> instance_;
    com::ComPtr<com::IDispatch> dispatch_;
    com::ComPtr<com::IConnectionPoint> events_;
    uint32_t cookie_ = 0;
    Sink* sink_ = nullptr;  // counted by events_ while advised
    std::unique_ptr<Site> site_;
    vb::Font font_;
    intptr_t dc_ = 0, bitmap_ = 0, oldBitmap_ = 0;
    int32_t dirty_ = 0;
    bool fallback_ = false;
    std::string fallbackCaption_;
    std::string loadError_;
    std::map<std::string, com::Variant, std::less<>> fallbackProperties_;
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace vb
