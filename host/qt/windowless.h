#pragma once
// Controls without a window of their own (labels, images, shapes, lines, and picture boxes
// that contain no control), drawn by the widget of the container they lie in, as the forms
// runtime draws its lightweight controls: on the container's surface, under every windowed
// control in it, one over another in their stacking order. Where no windowed control is,
// the container's mouse input goes to the topmost of them under the pointer that takes the
// mouse (shapes and lines take none); the one a button was pressed on keeps the moves and
// the release until it is let go.

#include <QObject>
#include <QPainter>
#include <QPointer>
#include <vector>

#include "host/qt/control_view.h"

namespace qthost {

class WindowlessView : public ControlView {
public:
    WindowlessView(vb::Control& control, QWidget& holder);
    ~WindowlessView() override;

    QWidget& widget() override { return *holder_; }
    QWidget& holder() override { return *holder_; }
    void setHolder(QWidget& holder) override;
    bool windowless() const override { return true; }
    QRect shownAt() override { return at_; }
    bool hidden() override { return !shown_; }
    QPointF fromGlobal(const QPointF& global) override;
    QPointF local(const QMouseEvent& e) const override { return e.position() - at_.topLeft(); }
    void present() override;
    void redraw() override;

    // Whether the control shows at @p inHolder and would take a press there.
    bool hit(const QPoint& inHolder) const;
    // Draws the control where it lies, on the painter of its holder's paint event.
    void paintOn(QPainter& p, const QRect& painted);
    // The control no longer shows: its place is painted again without it.
    void withdraw();

protected:
    // Draws the control with the painter's origin at its top left corner, @p size large.
    virtual void paint(QPainter& p, QSize size) = 0;
    virtual bool takesMouse() const { return true; }
    // The colours a widget of the kind would have in its holder, in its enabled state.
    QPalette holderPalette() const;
    bool enabled() const;
    // Whether it changed since it was last painted, so that what it keeps is out of date.
    bool stale() const { return stale_; }

private:
    QPointer<QWidget> holder_;
    QRect at_;  // where it was last presented
    bool shown_ = false;
    bool stale_ = true;  // changed since it was last painted
};

// The windowless controls of one holder, bottom to top. It lives as a child of the holder,
// whose paint and mouse events it filters.
class WindowlessLayer : public QObject {
public:
    explicit WindowlessLayer(QWidget& holder);
    ~WindowlessLayer() override;
    WindowlessLayer(const WindowlessLayer&) = delete;
    WindowlessLayer& operator=(const WindowlessLayer&) = delete;
    void setOrder(std::vector<WindowlessView*> bottomToTop);
    void remove(const WindowlessView& view);
    // The control a press at @p inHolder reaches, or null where the holder itself takes it
    // (no windowless control there, or a disabled one on top).
    WindowlessView* at(const QPoint& inHolder) const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void paint(QEvent* e);
    bool mouse(QMouseEvent& e);

    QWidget& holder_;
    std::vector<WindowlessView*> views_;
    WindowlessView* pressed_ = nullptr;
    bool painting_ = false;
};

// The layer of @p holder, made on first use when @p make is set; null otherwise.
WindowlessLayer* LayerOf(QWidget& holder, bool make);

}  // namespace qthost
