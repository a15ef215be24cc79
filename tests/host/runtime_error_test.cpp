// A run-time error that no handler takes ends the program as the runtime ends it: the
// error's number and text under the program's title, every window closed, and a nonzero
// exit, whether it escaped a click, a timer or a modal window's loop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "host/qt/control_view.h"
#include "host/qt/form_window.h"
#include "host/qt/qt_host.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/runtime/app.h"
#include "platform/runtime/errors.h"

namespace {

// A button that raises error 53 itself, or shows a modal window whose timer raises it.
struct Failing : vb::Form {
    explicit Failing(bool fromTimer) : vb::Form("frmFailing"), fromTimer_(fromTimer) {}
    vb::CommandButton cmdGo{*this, "cmdGo"};

protected:
    void InitializeComponent() override {
        designGeometry(0, 0, 3000, 2000);
        cmdGo.Move(100, 100, 1200, 400);
        cmdGo.Click = [this] {
            if (!fromTimer_) vb::Raise(vb::errFileNotFound);
            inner.Show(vb::vbModal, this);
            afterModal = true;
        };
    }

public:
    struct Inner : vb::Form {
        Inner() : vb::Form("frmInner") {}
        vb::Timer tmrFail{*this, "tmrFail"};
        void InitializeComponent() override {
            designGeometry(0, 0, 2000, 1500);
            tmrFail.setInterval(1);
            tmrFail.Tick = [] { vb::Raise(vb::errFileNotFound); };
        }
    } inner;
    bool afterModal = false;

private:
    bool fromTimer_;
};

TEST(HostRuntimeError, IsToldOnceAndEndsTheProgramInOrder) {
    for (const bool fromTimer : {false, true}) {
        SCOPED_TRACE(fromTimer ? "from a timer in a modal window" : "from a click");
        qthost::QtHost host;
        Failing form(fromTimer);
        form.Show();
        QString told, title;
        int boxes = 0;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++boxes;
                told = box->text();
                title = box->windowTitle();
                box->accept();
            }
        });
        answer.start(5);
        QWidget& button = host.windowOf(form)->viewOf(form.cmdGo)->widget();
        const QPointF at = button.rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, button.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, button.mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &press);
        QApplication::sendEvent(&button, &release);

        EXPECT_EQ(boxes, 1);
        EXPECT_EQ(told, "Run-time error '53':\nFile not found");
        EXPECT_EQ(title, QString::fromStdString(vb::App().Title));
        EXPECT_TRUE(host.failed());
        EXPECT_FALSE(host.windowOf(form)->isVisible());
        if (fromTimer) {
            EXPECT_FALSE(host.windowOf(form.inner)->isVisible());
        }
        EXPECT_EQ(host.exec(), qthost::kFailedExitCode);
        form.inner.Unload();
        form.Unload();
    }
}

}  // namespace
