#include "host/qt/windowless.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>
#include <algorithm>
#include <unordered_map>
#include <utility>

#include "host/qt/input.h"

namespace qthost {

WindowlessView::WindowlessView(vb::Control& control, QWidget& holder)
    : ControlView(control), holder_(&holder) {}

WindowlessView::~WindowlessView() { withdraw(); }

void WindowlessView::setHolder(QWidget& holder) {
    withdraw();
    holder_ = &holder;
}

QPointF WindowlessView::fromGlobal(const QPointF& global) {
    return holder_ ? holder_->mapFromGlobal(global) - at_.topLeft() : QPointF();
}

// Both the place it left and the place it takes are painted again. What it shows is read
// again only when it is next painted: the game keeps its clock in a label out of sight that
// changes every second.
void WindowlessView::present() {
    stale_ = true;
    QRegion dirty = shown_ ? QRegion(at_) : QRegion();
    at_ = placement();
    shown_ = control().Visible();
    if (shown_) dirty += at_;
    if (holder_ && !dirty.isEmpty()) holder_->update(dirty);
}

void WindowlessView::redraw() {
    if (shown_ && holder_) holder_->update(at_);
}

void WindowlessView::withdraw() {
    if (!holder_) return;
    if (shown_) holder_->update(at_);
    shown_ = false;
    if (WindowlessLayer* layer = LayerOf(*holder_, false)) layer->remove(*this);
}

bool WindowlessView::hit(const QPoint& inHolder) const {
    return shown_ && takesMouse() && at_.contains(inHolder);
}

void WindowlessView::paintOn(QPainter& p, const QRect& painted) {
    if (!shown_ || !at_.intersects(painted)) return;
    if (std::exchange(stale_, false)) refresh();
    p.save();
    p.translate(at_.topLeft());
    p.setClipRect(QRect(QPoint(0, 0), at_.size()), Qt::IntersectClip);
    paint(p, at_.size());
    p.restore();
}

// A disabled control, or one in a disabled container, shows the style's grey.
bool WindowlessView::enabled() const { return control().Enabled() && holder_->isEnabled(); }

QPalette WindowlessView::holderPalette() const {
    QPalette palette = holder_->palette();
    palette.setCurrentColorGroup(!enabled()                  ? QPalette::Disabled
                                 : holder_->isActiveWindow() ? QPalette::Active
                                                             : QPalette::Inactive);
    return palette;
}

namespace {

// Each holder's layer, found without walking the holder's children.
std::unordered_map<const QWidget*, WindowlessLayer*>& Layers() {
    static std::unordered_map<const QWidget*, WindowlessLayer*> layers;
    return layers;
}

}  // namespace

WindowlessLayer::WindowlessLayer(QWidget& holder) : QObject(&holder), holder_(holder) {
    holder.installEventFilter(this);
    Layers()[&holder] = this;
}

WindowlessLayer::~WindowlessLayer() { Layers().erase(&holder_); }

void WindowlessLayer::setOrder(std::vector<WindowlessView*> bottomToTop) {
    views_ = std::move(bottomToTop);
    if (std::find(views_.begin(), views_.end(), pressed_) == views_.end()) pressed_ = nullptr;
    holder_.update();
}

void WindowlessLayer::remove(const WindowlessView& view) {
    std::erase(views_, &view);
    if (pressed_ == &view) pressed_ = nullptr;
}

WindowlessView* WindowlessLayer::at(const QPoint& inHolder) const {
    for (auto it = views_.rbegin(); it != views_.rend(); ++it)
        if ((*it)->hit(inHolder)) return (*it)->control().Enabled() ? *it : nullptr;
    return nullptr;
}

bool WindowlessLayer::eventFilter(QObject* watched, QEvent* e) {
    if (watched != &holder_) return false;
    switch (e->type()) {
        case QEvent::Paint:
            if (painting_) return false;
            paint(e);
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return mouse(static_cast<QMouseEvent&>(*e));
        default:
            return false;
    }
}

// The holder paints itself first; its windowed children paint over both afterwards.
void WindowlessLayer::paint(QEvent* e) {
    painting_ = true;
    static_cast<QObject&>(holder_).event(e);
    painting_ = false;
    if (views_.empty()) return;
    const QRect painted = static_cast<QPaintEvent*>(e)->rect();
    QPainter p(&holder_);
    for (WindowlessView* view : views_) view->paintOn(p, painted);
}

bool WindowlessLayer::mouse(QMouseEvent& e) {
    const QPoint spot = e.position().toPoint();
    switch (e.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            pressed_ = at(spot);
            if (!pressed_) return false;
            if (e.type() == QEvent::MouseButtonPress)
                MousePressed(*pressed_, e);
            else
                MouseDoubleClicked(*pressed_, e);
            return true;
        case QEvent::MouseMove: {
            WindowlessView* target = pressed_ && e.buttons() ? pressed_ : at(spot);
            if (!target) return false;
            MouseMoved(*target, e);
            return true;
        }
        default: {
            WindowlessView* target = pressed_;
            if (!target) return false;
            if (!e.buttons()) pressed_ = nullptr;
            MouseReleased(*target, e);
            return true;
        }
    }
}

WindowlessLayer* LayerOf(QWidget& holder, bool make) {
    const auto found = Layers().find(&holder);
    if (found != Layers().end()) return found->second;
    return make ? new WindowlessLayer(holder) : nullptr;
}

}  // namespace qthost
