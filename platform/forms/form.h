#pragma once
/// @file
/// A window of the program: its design (controls and their stored properties) and its
/// events. Each window is a subclass that owns its controls as members.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace vb {

/// Show styles and window states.
enum : int16_t { vbModeless = 0, vbModal = 1 };
enum : int16_t { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };
/// Why a window is being unloaded (QueryUnload's UnloadMode).
enum : int16_t { vbFormControlMenu = 0, vbFormCode = 1, vbAppWindows = 2, vbAppTaskManager = 3 };

class Form {
public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    intptr_t hWnd() const { return hwnd_; }

    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);
    int32_t Left() const { return left_; }
    int32_t Top() const { return top_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    void setLeft(int32_t v);
    void setTop(int32_t v);
    void setWidth(int32_t v);
    void setHeight(int32_t v);
    /// 0 normal, 1 minimised, 2 maximised. Changing the state, the width or the height of a
    /// loaded window from code raises Form_Resize, as the user's changes do.
    int16_t WindowState() const { return windowState_; }
    void setWindowState(int16_t v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    /// 0 none: no caption and no frame, Width and Height are the inner area; 1 fixed single
    /// (the default): a caption and a fixed frame. Design-time only.
    int16_t BorderStyle() const { return borderStyle_; }
    /// The colour of the window's client area.
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor v);
    /// Whether the window takes every key for Form_KeyPress itself: its controls then take
    /// no keyboard focus (the main window, whose keys are game commands).
    bool KeyPreview() const { return keyPreview_; }
    void setKeyPreview(bool v);
    /// Whether the window is shown.
    bool Visible() const { return visible_; }
    bool Loaded() const { return loaded_; }
    /// Whether the window is being shown modally now.
    bool Modal() const { return modal_; }
    /// The window this one was shown over, or nullptr.
    Form* Owner() const { return owner_; }

    /// Loads the window if it is not loaded: its design is laid anew (InitializeComponent),
    /// its timers start, and Form_Load runs.
    void Load();
    /// Loads the window if needed and shows it; the first showing after a load raises
    /// Form_Resize. A modal show returns when the window has been hidden or unloaded.
    void Show(int16_t modal = vbModeless, Form* owner = nullptr);
    /// Hides the window; it stays loaded. Ends a modal show. Nothing happens to a window
    /// that is hidden or not loaded.
    void Hide();
    /// Asks Form_QueryUnload and Form_Unload; unless one cancels, hides the window, marks it
    /// unloaded, stops its timers and tells the host. Returns false when cancelled, and
    /// does nothing (returning true) for a window that is not loaded. Called again from
    /// those handlers, it does nothing and returns false: the first call finishes the job.
    bool Unload(int16_t mode = vbFormCode);

    /// Delivers a character to Form_KeyPress when the window is loaded and enabled.
    void RaiseKeyPress(int16_t keyAscii);
    /// The user resized the window or changed its state (the host calls this; changes made
    /// from code raise Form_Resize by themselves).
    void RaiseResize();
    /// The user asks to close the window (the close box): QueryUnload with
    /// vbFormControlMenu, then Unload.
    void RaiseClose();

    /// Every control of the window, in the order they were made.
    const std::vector<Control*>& Controls() const { return controls_; }
    /// The control named @p name (with @p index for an array member), or nullptr.
    Control* FindControl(const std::string& name, int16_t index = -1) const;

    /// Called by controls as they are made and destroyed.
    void registerControl(Control& c);
    void unregisterControl(Control& c);

protected:
    /// Sets every control's designed properties and wires its events; runs at each load.
    virtual void InitializeComponent() {}
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int16_t& /*Cancel*/, int16_t /*UnloadMode*/) {}
    virtual void Form_Unload(int16_t& /*Cancel*/) {}
    virtual void Form_Resize() {}
    virtual void Form_KeyPress(int16_t& /*KeyAscii*/) {}
    /// Sets the size and place without telling the host (design time).
    void designGeometry(int32_t left, int32_t top, int32_t width, int32_t height);
    void designBorderStyle(int16_t v) { borderStyle_ = v; }

private:
    void changed(Prop what);
    void setGeometry(int32_t left, int32_t top, int32_t width, int32_t height);
    void restartTimers();

    std::string name_;
    intptr_t hwnd_;
    std::string caption_;
    int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int16_t windowState_ = vbNormal;
    int16_t borderStyle_ = 1;
    OleColor backColor_ = vbButtonFace;
    bool keyPreview_ = false;
    bool enabled_ = true;
    bool visible_ = false;
    bool loaded_ = false;
    bool modal_ = false;
    bool shownSinceLoad_ = false;
    bool unloading_ = false;
    Form* owner_ = nullptr;
    std::vector<Control*> controls_;
};

/// Every form that exists, in the order they were made.
const std::vector<Form*>& AllForms();

/// The live form of type @p F: the first one made that still exists, or a new one owned by
/// the runtime (the default instance of the window).
template <class F>
F& Default() {
    for (Form* f : AllForms())
        if (auto* mine = dynamic_cast<F*>(f)) return *mine;
    static F* made = nullptr;
    made = new F();  // lives until the program ends, as the runtime's default instances do
    return *made;
}

/// The screen's size in twips.
int32_t ScreenWidth();
int32_t ScreenHeight();

}  // namespace vb
