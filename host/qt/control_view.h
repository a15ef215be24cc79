#pragma once
// The widget that shows one control of a form, and what every such widget does alike: it
// sits at the control's twips in its container, follows Visible and Enabled, takes the
// keyboard focus only where its kind does and its form does not keep every key for itself
// (the Tab key stops only where TabStop is set), and hands the mouse to the control.

#include <QMouseEvent>
#include <QRect>
#include <QString>
#include <QWidget>

#include "host/qt/input.h"
#include "platform/forms/control.h"

namespace qthost {

// Controls stack in layers within their container: the design's shapes are backgrounds,
// rules and images lie on them, labels over those, then the picture boxes its container
// draws, and windowed controls (picture boxes holding controls, buttons, bars) over every
// drawn one. Within a layer a later control lies over an earlier.
enum class Layer { Shapes, Lines, Images, Labels, Boxes, Windows };

class ControlView {
public:
    explicit ControlView(vb::Control& control) : control_(control) {}
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    vb::Control& control() const { return control_; }
    // The control's own widget; for a control without a window, the widget it is drawn on.
    virtual QWidget& widget() = 0;
    virtual Layer layer() const { return Layer::Windows; }
    // Where the control sits in its container's widget, in pixels.
    virtual QRect placement() const;
    // Whether the control has no widget of its own: its container draws it (windowless.h).
    virtual bool windowless() const { return false; }
    // The widget the control lies in, and moving it into another.
    virtual QWidget& holder() { return *widget().parentWidget(); }
    virtual void setHolder(QWidget& holder) { widget().setParent(&holder); }
    // Where the control shows in its holder now, and whether it is hidden there.
    virtual QRect shownAt() { return widget().geometry(); }
    virtual bool hidden() { return widget().isHidden(); }
    // A point on the screen, or where a mouse event that reached widget() happened, in the
    // control's own pixels.
    virtual QPointF fromGlobal(const QPointF& global) { return widget().mapFromGlobal(global); }
    virtual QPointF local(const QMouseEvent& e) const { return e.position(); }
    // The text the control shows, for the kinds that show one of their own making.
    virtual QString shownText() const { return {}; }
    // Whether the kind takes the keyboard focus (buttons, boxes, lists, sliders, tabs).
    virtual bool takesFocus() const { return false; }
    // Shows the control as the model has it now: place, visibility, enabled state, and
    // what its kind draws.
    virtual void present();
    // Has the whole control painted again: the game drew on it without telling.
    virtual void redraw() { widget().update(); }

protected:
    // What the kind shows beyond place and state: texts, colours, pictures.
    virtual void refresh() {}
    // Has the control painted again after a change; a kind that knows which part of it
    // changed has only that part painted.
    virtual void repaintChanged() { widget().update(); }

private:
    vb::Control& control_;
};

// A control's view on the Qt widget class @p W.
template <class W>
class View : public W, public ControlView {
public:
    View(vb::Control& control, QWidget* parent) : W(parent), ControlView(control) {
        W::setFocusPolicy(Qt::NoFocus);
        W::setMouseTracking(true);
    }
    QWidget& widget() override { return *this; }

protected:
    // The widget reacts first (a button shows itself pressed and released), then the game.
    void mousePressEvent(QMouseEvent* e) override {
        W::mousePressEvent(e);
        MousePressed(*this, *e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        W::mouseReleaseEvent(e);
        MouseReleased(*this, *e, clicksOnRelease());
    }
    // Whether a release inside raises Click here; a toggle raises it itself when Qt clicks
    // it, so that the keyboard and mnemonics click it the same way.
    virtual bool clicksOnRelease() const { return true; }
    void mouseMoveEvent(QMouseEvent* e) override {
        W::mouseMoveEvent(e);
        MouseMoved(*this, *e);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        W::mouseDoubleClickEvent(e);
        MouseDoubleClicked(*this, *e);
    }
};

// The view of @p control, a child widget of @p parent that the parent owns; null for a
// kind that has no widget (timers, menu items).
ControlView* MakeView(vb::Control& control, QWidget* parent);

}  // namespace qthost
