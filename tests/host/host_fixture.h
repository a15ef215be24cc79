#pragma once
// The Qt host over the real main window, loaded and shown with the first-run settings, and
// the few helpers the host tests share: where a control's view is, which control a click at
// a spot of the window reaches, and clicks sent to the widget that lies there.

#include <gtest/gtest.h>

#include <QPoint>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "game/frmTolvarin.h"
#include "host/qt/control_view.h"
#include "host/qt/form_window.h"
#include "host/qt/qt_host.h"

// Runs the event loop until @p done says so, for at most two seconds; returns whether it
// did.
bool RunEventsUntil(const std::function<bool()>& done);

class HostTest : public ::testing::Test {
protected:
    HostTest();
    ~HostTest() override;

    qthost::FormWindow& window() const;
    // The view showing @p control (the test fails when there is none), and its widget.
    qthost::ControlView& viewOf(const vb::Control& control) const;
    QWidget& widgetOf(const vb::Control& control) const { return viewOf(control).widget(); }
    // The middle of @p control in the client area's pixels.
    QPoint centreOf(const vb::Control& control) const;
    // The control a click at @p at of the client area would reach.
    qthost::ControlView* viewAt(const QPoint& at) const { return window().viewAt(at); }
    // Presses and releases the left button at @p at of the client area.
    void clickAt(const QPoint& at) const;

    std::filesystem::path folder_;
    qthost::QtHost host;
    frmTolvarin form;
};
