#pragma once
/// @file
/// The base of every control: name, index in its control array, place and size in twips,
/// visibility and enabled state, and the mouse events.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/forms/host.h"
#include "platform/types/colours.h"
#include "platform/types/font.h"
#include "platform/types/input.h"

namespace vb {

class Form;

using MouseHandler = std::function<void(int16_t Button, int16_t Shift, float X, float Y)>;

class Control {
public:
    /// A control of @p owner named @p name; @p index is its index in a control array, or -1.
    Control(Form& owner, std::string name, int16_t index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    int16_t Index() const { return index_; }
    Form& Parent() const { return owner_; }
    /// The control this one sits in, or nullptr when it sits on the form.
    Control* Container() const { return container_; }
    void setContainer(Control* container) { container_ = container; }
    /// A handle unique to this control for the life of the program.
    intptr_t hWnd() const { return hwnd_; }

    int32_t Left() const { return left_; }
    int32_t Top() const { return top_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    void setLeft(int32_t v);
    void setTop(int32_t v);
    void setWidth(int32_t v);
    void setHeight(int32_t v);
    void Move(int32_t left, int32_t top, int32_t width, int32_t height);

    /// The control's own flag, whether or not its window or container is shown.
    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);

    std::string Tag;
    std::string ToolTipText;

    /// The control's place in the order the Tab key walks; it starts as the control's
    /// place in design order. Controls with equal indexes keep their design order.
    int16_t TabIndex() const { return tabIndex_; }
    void setTabIndex(int16_t v);
    /// Whether the Tab key stops at the control (only kinds that take the keyboard do).
    bool TabStop() const { return tabStop_; }
    void setTabStop(bool v);

    /// Whether a mouse event would reach the control now: it, its containers and its form
    /// are visible and enabled, and the form is loaded.
    bool ReceivesInput() const;

    // Events, wired by the form's design.
    std::function<void()> Click;
    std::function<void()> DblClick;
    MouseHandler MouseDown;
    MouseHandler MouseMove;
    MouseHandler MouseUp;

    /// Raise the events as the window layer delivers them; nothing happens when the control
    /// does not receive input. Positions are in the control's own units (twips). A control
    /// hosted from a library (UserControlHost) takes them as input for its instance instead.
    virtual void RaiseClick();
    void RaiseDblClick();
    virtual void RaiseMouseDown(int16_t button, int16_t shift, float x, float y);
    virtual void RaiseMouseMove(int16_t button, int16_t shift, float x, float y);
    virtual void RaiseMouseUp(int16_t button, int16_t shift, float x, float y);

protected:
    /// Tells the host that a property changed (nothing when no host is installed); kinds
    /// that keep system state (menu items) bring it up to date first.
    virtual void changed(Prop what);
    /// Enabled changed; kinds that react to it (timers) add their own notice.
    virtual void enabledChanged();
    /// The place or size changed; kinds that react to it (hosted controls) add their own.
    virtual void positionChanged();
    /// Stores @p v in @p field and tells the host, only when the value changed.
    template <class T>
    void update(T& field, const T& v, Prop what) {
        if (field == v) return;
        field = v;
        changed(what);
    }

private:
    Form& owner_;
    std::string name_;
    int16_t index_;
    Control* container_ = nullptr;
    intptr_t hwnd_;
    int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    int16_t tabIndex_ = 0;
    bool tabStop_ = true;
};

/// A fresh window handle; forms and controls draw from one sequence.
intptr_t NewWindowHandle();

}  // namespace vb
