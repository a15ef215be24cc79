#pragma once
// The top-level window of one form: its title, place, size and state, its menu bar, and
// the client area under the menu bar where the views of its controls live. The window
// turns the close box, minimising, moving and typed characters into the form's events.

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/forms/form.h"

namespace qthost {

class ControlView;
class MenuBar;
class QtHost;

class FormWindow : public QWidget {
public:
    FormWindow(QtHost& host, vb::Form& form);
    ~FormWindow() override;

    QtHost& host() const { return host_; }
    // The form, or null once it no longer exists.
    vb::Form* form() const;
    intptr_t formHandle() const { return handle_; }
    // Where the controls sit: the window under its menu bar.
    QWidget& client() const { return *client_; }

    void formChanged(vb::Prop what);
    // The game asked for the menu bar to be drawn again (DrawMenuBar).
    void menuBarDrawn();
    void controlChanged(vb::Control& control, vb::Prop what);
    void controlDestroyed(const vb::Control& control);
    // Brings every view up to the model, then shows the window; a modal one blocks the
    // program's other windows.
    void present(bool modal);
    void conceal();

    ControlView* viewOf(const vb::Control& control) const;
    ControlView* viewByHandle(intptr_t hWnd) const;
    // The control that a click at @p inClient of the client area reaches, or null.
    ControlView* viewAt(const QPoint& inClient) const;
    // Repaints the picture boxes, whose surfaces the game draws on without telling.
    void refreshSurfaces();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void leaveEvent(QEvent* e) override;
    // The window shows no mark of its focus: taking or losing it paints nothing again.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    struct Entry {
        ControlView* view;
        QPointer<QWidget> widget;            // null once Qt deleted it with its container
        std::unique_ptr<ControlView> owned;  // a windowless view: no widget owns it
    };

    ControlView* ensureView(vb::Control& control);
    void dropView(const vb::Control& control);
    QWidget& parentFor(vb::Control& control);
    void syncControls();
    void restackWhenShown();
    void restack();
    void applyGeometry();
    void showBeforeMenuBar(bool minimized);
    void keepOnScreen(QPoint at);
    void applyState();
    void applyWindowKind(const vb::Form& f, bool owned);
    void takeUsersPlace();
    // Keyboard (keyboard.cpp).
    void orderTabs();
    void focusFirst();
    bool pressDefaultOrCancel(const QKeyEvent& e);
    void reportMissingLibraries();

    QtHost& host_;
    vb::Form* form_;
    intptr_t handle_;
    QWidget* client_;
    std::unique_ptr<MenuBar> menus_;
    std::unordered_map<const vb::Control*, Entry> views_;
    std::vector<const vb::Control*> pictureBoxes_;  // only picture boxes
    std::unordered_set<const vb::Control*> stale_;  // changed while the window was hidden
    // Windowless views of destroyed controls, kept until the event that destroyed them ends.
    std::vector<std::unique_ptr<ControlView>> retired_;
    bool applying_ = false;  // the window follows the model: no event back to it
    bool restackPending_ = false;
    bool menusStale_ = false;     // the game redrew the bar while the window was hidden
    int measuredMenuHeight_ = 0;  // none before the bar first shows
};

// The form window @p widget lies in, or null.
FormWindow* WindowOf(QWidget& widget);
// Tells the host that the game handled an event that reached @p widget.
void EventDelivered(QWidget& widget);

}  // namespace qthost
