#include "host/qt/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "host/qt/control_view.h"
#include "host/qt/failure.h"
#include "host/qt/input.h"
#include "host/qt/keyboard.h"
#include "host/qt/menu_bar.h"
#include "host/qt/qt_host.h"
#include "host/qt/units.h"
#include "host/qt/windowless.h"
#include "platform/forms/controls.h"
#include "platform/forms/picturebox_surface.h"
#include "platform/user32/metrics.h"
#include "platform/user32/window_pos.h"

namespace qthost {

namespace {

// A form's Width and Height take in the frame the original platform drew around the
// client area: a fixed border on each side and the caption above. The window manager
// draws its own frame outside the Qt window, so the Qt window is the form less this one.
using win::kCaptionPx;
using win::kFixedFramePx;
using win::kMenuBarPx;

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// The window under the menu bar. Where no control is, a move still reaches a control
// that holds the capture.
class ClientArea : public QWidget {
public:
    explicit ClientArea(FormWindow& window) : QWidget(&window), window_(window) {
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* e) override {
        MovedOverWindow(window_, e->globalPosition(), e->buttons(), e->modifiers());
    }

private:
    FormWindow& window_;
};

// Marks the window as following the model for the scope, so that the Qt events it causes
// are not taken for the user's doing.
class Applying {
public:
    explicit Applying(bool& flag) : flag_(flag), was_(std::exchange(flag, true)) {}
    ~Applying() { flag_ = was_; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

FormWindow::FormWindow(QtHost& host, vb::Form& form)
    : QWidget(nullptr, kWindowFlags),
      host_(host),
      form_(&form),
      handle_(form.hWnd()),
      client_(new ClientArea(*this)),
      menus_(std::make_unique<MenuBar>(*this, form, [this] { host_.eventDelivered(); })) {
    setFocusPolicy(Qt::StrongFocus);
    menus_->bar().setVisible(!menus_->empty());
    formChanged(vb::Prop::Other);
    syncControls();
}

FormWindow::~FormWindow() = default;

vb::Form* FormWindow::form() const {
    const auto& all = vb::AllForms();
    const bool alive = std::find(all.begin(), all.end(), form_) != all.end();
    return alive && form_->hWnd() == handle_ ? form_ : nullptr;
}

void FormWindow::formChanged(vb::Prop) {
    vb::Form* f = form();
    if (!f) return;
    setWindowTitle(ToQString(f->Caption()));
    setEnabled(f->Enabled());
    QPalette p = client_->palette();
    p.setColor(QPalette::Window, ToQColor(f->BackColor()));
    client_->setPalette(p);
    client_->setAutoFillBackground(true);
    // A hidden window takes its place and size when it shows: its design and Form_Load set
    // them one at a time, and each would measure the menu bar again.
    if (!isVisible()) return;
    applyGeometry();
    applyState();
}

// A hidden window's bar is measured once, when it shows.
void FormWindow::menuBarDrawn() {
    if (!isVisible()) {
        menusStale_ = true;
        return;
    }
    menus_->redraw();
    if (form()) applyGeometry();
}

// A window without a border is its inner area alone. A menu bar taller than the platform's
// (owner-drawn items measured higher) takes its extra height from outside the client area,
// so that the controls keep their room.
void FormWindow::applyGeometry() {
    const vb::Form& f = *form_;
    Applying applying(applying_);
    const bool framed = f.BorderStyle() != 0;
    const int border = framed ? kFixedFramePx : 0;
    const int width = std::max(1, Px(f.Width()) - 2 * border);
    // A hidden window's bar is measured once it shows (showBeforeMenuBar).
    if (!menus_->empty() && isVisible()) measuredMenuHeight_ = menus_->bar().heightForWidth(width);
    const int menuHeight = menus_->empty() ? 0 : std::max(kMenuBarPx, measuredMenuHeight_);
    const int extra = menus_->empty() ? 0 : menuHeight - kMenuBarPx;
    const int height = std::max(1, Px(f.Height()) - (framed ? kCaptionPx : 0) - 2 * border + extra);
    setFixedSize(width, height);
    keepOnScreen(QPoint(Px(f.Left()), Px(f.Top())));
    menus_->bar().setGeometry(0, 0, width, menuHeight);
    client_->setGeometry(0, menuHeight, width, height - menuHeight);
    // The bars keep to the client area's edges.
    for (const auto& [control, entry] : views_)
        if (entry.widget && !entry.owned) entry.widget->setGeometry(entry.view->placement());
}

// A window the form places partly off the screen's free area (placed for a screen of other
// proportions, or of fewer pixels at a larger scale) comes inside it; one larger than the
// area keeps its top left corner in it. The form learns where the window went.
void FormWindow::keepOnScreen(QPoint at) {
    const QScreen* on = QGuiApplication::screenAt(at + QPoint(width() / 2, height() / 2));
    if (!on) on = screen();
    if (on) {
        const QRect free = on->availableGeometry();
        at.setX(std::max(free.left(), std::min(at.x(), free.right() + 1 - width())));
        at.setY(std::max(free.top(), std::min(at.y(), free.bottom() + 1 - height())));
    }
    move(at);
    if (Px(form_->Left()) == at.x() && Px(form_->Top()) == at.y()) return;
    form_->setLeft(at.x() * kTwipsPerPixel);
    form_->setTop(at.y() * kTwipsPerPixel);
}

// Only minimising is a state of ours: the windows have fixed sizes.
void FormWindow::applyState() {
    const bool minimised = form_->WindowState() == vb::vbMinimized;
    if (!isVisible() || minimised == isMinimized()) return;
    Applying applying(applying_);
    setWindowState(minimised ? windowState() | Qt::WindowMinimized
                             : windowState() & ~Qt::WindowMinimized);
}

void FormWindow::controlChanged(vb::Control& control, vb::Prop what) {
    if (auto* menu = dynamic_cast<vb::Menu*>(&control)) {
        menus_->changed(*menu);
        return;
    }
    // A hidden window's views follow the model once, when it shows: a design sets each
    // control's properties one at a time, and the window need not follow every step.
    if (!isVisible()) {
        stale_.insert(&control);
        return;
    }
    if (ControlView* view = ensureView(control)) view->present();
    if (what == vb::Prop::Other) orderTabs();
}

// The control is half destroyed: it is known only by its address now.
void FormWindow::controlDestroyed(const vb::Control& control) {
    menus_->forget(control);
    stale_.erase(&control);
    dropView(control);
}

// The view may be passing on an event of its control as it goes: a windowless one, which
// no widget owns, is kept until that event ends; a widget is deleted when Qt is done.
void FormWindow::dropView(const vb::Control& control) {
    std::erase(pictureBoxes_, &control);
    const auto found = views_.find(&control);
    if (found == views_.end()) return;
    Entry& entry = found->second;
    if (entry.owned) {
        static_cast<WindowlessView&>(*entry.view).withdraw();
        retired_.push_back(std::move(entry.owned));
        QTimer::singleShot(0, this, [this] { retired_.clear(); });
    } else if (QWidget* w = entry.widget) {
        w->hide();
        w->deleteLater();
    }
    views_.erase(found);
}

// A picture box its container draws has no widget to hold a control: the first control put
// into it has the box made anew with a widget of its own.
QWidget& FormWindow::parentFor(vb::Control& control) {
    vb::Control* container = control.Container();
    if (!container) return *client_;
    ControlView* holder = ensureView(*container);
    if (holder && holder->windowless() && dynamic_cast<vb::PictureBox*>(container)) {
        dropView(*container);
        holder = ensureView(*container);
    }
    return holder ? holder->widget() : *client_;
}

ControlView* FormWindow::ensureView(vb::Control& control) {
    const auto found = views_.find(&control);
    if (found != views_.end() && found->second.widget) {
        ControlView* view = found->second.view;
        QWidget& parent = parentFor(control);
        if (&view->holder() != &parent) {
            view->setHolder(parent);
            view->present();
            restackWhenShown();
        }
        return view;
    }
    ControlView* view = MakeView(control, &parentFor(control));
    if (!view) return nullptr;
    std::unique_ptr<ControlView> owned(view->windowless() ? view : nullptr);
    views_[&control] = {view, &view->widget(), std::move(owned)};
    if (dynamic_cast<vb::PictureBox*>(&control)) pictureBoxes_.push_back(&control);
    restackWhenShown();
    return view;
}

void FormWindow::syncControls() {
    vb::Form* f = form();
    if (!f) return;
    for (vb::Control* c : f->Controls())
        if (!dynamic_cast<vb::Menu*>(c)) ensureView(*c);
}

// A hidden window is stacked once, when it shows: raising every view for each control its
// design makes would cost the start time of the program.
void FormWindow::restackWhenShown() {
    if (isVisible())
        restack();
    else
        restackPending_ = true;
}

// Raising each view in stacking order leaves every container's children in that order;
// each container draws its windowless controls in that order, under its children.
void FormWindow::restack() {
    restackPending_ = false;
    vb::Form* f = form();
    if (!f) return;
    const auto& controls = f->Controls();
    std::vector<std::pair<std::pair<Layer, size_t>, ControlView*>> order;
    for (size_t i = 0; i < controls.size(); ++i) {
        const auto found = views_.find(controls[i]);
        if (found != views_.end() && found->second.widget)
            order.push_back({{found->second.view->layer(), i}, found->second.view});
    }
    std::sort(order.begin(), order.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::unordered_map<QWidget*, std::vector<WindowlessView*>> drawn;
    for (const auto& [key, view] : order) {
        if (view->windowless())
            drawn[&view->holder()].push_back(static_cast<WindowlessView*>(view));
        else
            view->widget().raise();
    }
    for (auto& [holder, views] : drawn) LayerOf(*holder, true)->setOrder(std::move(views));
}

ControlView* FormWindow::viewOf(const vb::Control& control) const {
    const auto found = views_.find(&control);
    return found != views_.end() && found->second.widget ? found->second.view : nullptr;
}

// The widget at the spot, or the windowless control drawn topmost there on it.
ControlView* FormWindow::viewAt(const QPoint& inClient) const {
    QWidget* w = client_->childAt(inClient);
    for (w = w ? w : client_; w; w = w == client_ ? nullptr : w->parentWidget()) {
        if (WindowlessLayer* layer = LayerOf(*w, false))
            if (WindowlessView* drawn = layer->at(w->mapFrom(client_, inClient))) return drawn;
        for (const auto& [control, entry] : views_)
            if (!entry.owned && entry.widget == w) return entry.view;
    }
    return nullptr;
}

ControlView* FormWindow::viewByHandle(intptr_t hWnd) const {
    for (const auto& [control, entry] : views_)
        if (entry.widget && entry.view->control().hWnd() == hWnd) return entry.view;
    return nullptr;
}

// Only boxes drawn on through their device context have a surface to show anew.
void FormWindow::refreshSurfaces() {
    for (const vb::Control* box : pictureBoxes_)
        if (ControlView* view = viewOf(*box))
            if (gdi::SurfaceOf(static_cast<const vb::PictureBox&>(*box))) view->redraw();
}

void FormWindow::present(bool modal) {
    vb::Form* f = form();
    if (!f) return;
    // A dialog stays over the window it was shown from.
    QWidget* over = modal ? QApplication::activeWindow() : nullptr;
    if (f->Owner())
        if (FormWindow* owner = host_.windowOf(*f->Owner())) over = owner;
    if (over == this) over = nullptr;
    applyWindowKind(*f, over != nullptr);
    // A hidden window takes its size first, so that the views catching up fit it.
    if (!isVisible()) applyGeometry();
    // Views made now show the model as it is; those made before catch up.
    for (const vb::Control* control : std::exchange(stale_, {}))
        if (ControlView* view = viewOf(*control)) view->present();
    syncControls();
    if (restackPending_) restack();
    orderTabs();
    formChanged(vb::Prop::Other);
    const Qt::WindowModality modality = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (isVisible() && windowModality() != modality) hide();
    setWindowModality(modality);
    if (over) {
        winId();
        over->winId();
        windowHandle()->setTransientParent(over->windowHandle());
    }
    showBeforeMenuBar(f->WindowState() == vb::vbMinimized);
    raise();
    activateWindow();
    focusFirst();
    reportMissingLibraries();
}

// The menu bar is measured with the system's fonts, which the fonts thread may still be
// reading when the first window shows. The window shows without its bar, at the bar's last
// height (the standard one until it is first measured), so that the X server maps it in the
// meantime; the bar then joins it and is measured before the window is first painted. A bar
// measured taller makes the window taller then.
void FormWindow::showBeforeMenuBar(bool minimized) {
    const bool bar = !menus_->empty() && !isVisible();
    if (bar) menus_->bar().setVisible(false);
    if (minimized)
        showMinimized();
    else
        show();
    if (!bar) return;
    menus_->bar().setVisible(true);
    if (std::exchange(menusStale_, false)) menus_->redraw();
    if (form()) applyGeometry();
}

// A window without a border has no caption either; a topmost one stays above every other
// window. A window shown over another is a dialog, the only kind whose owner the window
// manager is told of, so that a click on the owner never hides it. Changing the flags
// hides a shown window, so they change only when they differ.
void FormWindow::applyWindowKind(const vb::Form& f, bool owned) {
    Qt::WindowFlags flags =
        f.BorderStyle() == 0 ? Qt::Window | Qt::FramelessWindowHint : kWindowFlags;
    if (owned) flags |= Qt::Dialog;
    if (win::IsTopmost(f.hWnd())) flags |= Qt::WindowStaysOnTopHint;
    if (windowFlags() != flags) setWindowFlags(flags);
}

void FormWindow::conceal() {
    hide();
    setWindowModality(Qt::NonModal);
}

// The model decides whether the window closes: QueryUnload may keep it open.
void FormWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    vb::Form* f = form();
    if (!f || !f->Loaded()) {
        hide();
        return;
    }
    Guarded([&] { f->RaiseClose(); });
    host_.eventDelivered();
}

// The user minimised or restored the window; the model raises Form_Resize itself.
void FormWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    vb::Form* f = form();
    if (e->type() != QEvent::WindowStateChange || applying_ || !f || !f->Loaded()) return;
    const int16_t state = isMinimized() ? vb::vbMinimized : vb::vbNormal;
    if (state == f->WindowState()) return;
    {
        Applying applying(applying_);
        f->setWindowState(state);
    }
    host_.eventDelivered();
}

// Typed characters, Enter (13) and Space (32) among them, reach Form_KeyPress, unless
// another window is up modally. Enter and Escape that no control took press the default
// and the cancel button.
void FormWindow::keyPressEvent(QKeyEvent* e) {
    vb::Form* f = form();
    const QString text = e->text();
    if (f && host_.blockedByModal(*f)) {
        e->ignore();
        return;
    }
    if (f && !f->KeyPreview() && pressDefaultOrCancel(*e)) {
        host_.eventDelivered();
        return;
    }
    if (!f || text.isEmpty()) {
        QWidget::keyPressEvent(e);
        return;
    }
    for (const QChar c : text)
        if (c.unicode() < 256)
            Guarded([&] { f->RaiseKeyPress(static_cast<int16_t>(c.unicode())); });
    host_.eventDelivered();
}

void FormWindow::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    if (!applying_ && isVisible()) takeUsersPlace();
}

// The user moved the window: its Left and Top follow, to the pixel.
void FormWindow::takeUsersPlace() {
    vb::Form* f = form();
    if (!f) return;
    const QPoint at = frameGeometry().topLeft();
    if (Px(f->Left()) == at.x() && Px(f->Top()) == at.y()) return;
    Applying applying(applying_);
    f->setLeft(at.x() * kTwipsPerPixel);
    f->setTop(at.y() * kTwipsPerPixel);
}

void FormWindow::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    MovedOverWindow(*this, QCursor::pos(), QGuiApplication::mouseButtons(),
                    QGuiApplication::keyboardModifiers());
}

FormWindow* WindowOf(QWidget& widget) { return dynamic_cast<FormWindow*>(widget.window()); }

void EventDelivered(QWidget& widget) {
    if (FormWindow* window = WindowOf(widget)) window->host().eventDelivered();
}

}  // namespace qthost
