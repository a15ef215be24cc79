// A HoverCommand made by its ProgID on a shown form: the window shows its face, the face
// lights up under the pointer, a click reaches the form, and a 2x screen gets the face's
// sharp twin.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "host/qt/control_view.h"
#include "host/qt/form_window.h"
#include "host/qt/qt_host.h"
#include "host/qt/units.h"
#include "platform/com/loader.h"
#include "platform/com/property_bag.h"
#include "platform/forms/form.h"
#include "platform/forms/user_control_host.h"
#include "platform/gdi/bitmap.h"
#include "platform/registry/registry_store.h"

namespace {

namespace fs = std::filesystem;

struct HoverForm : vb::Form {
    HoverForm() : vb::Form("frmHover"), cmdGo(*this, "cmdGo", "Lumbrix1.HoverCommand") {}
    vb::UserControlHost cmdGo;
    com::HRESULT created = com::E_FAIL;
    std::vector<std::string> events;

protected:
    void InitializeComponent() override {
        cmdGo.Move(150, 150, 80 * 15, 24 * 15);
        created = cmdGo.Create();
        cmdGo.PutProperty("Style", 3);  // a thin border that shows only under the pointer
        cmdGo.Click = [this] { events.push_back("Click"); };
    }
};

QImage Opaque(QImage image) {
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

class UserControlViewTest : public ::testing::Test {
protected:
    UserControlViewTest() {
        folder_ = fs::path(::testing::TempDir()) /
                  ("hosted-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        registry::SetStorePath((folder_ / "registry.txt").string());
        registered_ = com::RegisterServer(KANTREL_PATH);
        form.Show();
    }
    ~UserControlViewTest() override {
        form.Unload();
        registry::SetStorePath(registry::DefaultStorePath());
        fs::remove_all(folder_);
    }

    QWidget& face() {
        qthost::FormWindow* window = host.windowOf(form);
        qthost::ControlView* view = window ? window->viewOf(form.cmdGo) : nullptr;
        if (!view) throw std::runtime_error("the HoverCommand has no view");
        return view->widget();
    }
    QImage shown() { return Opaque(face().grab().toImage()); }
    void send(QEvent::Type type, Qt::MouseButtons held) {
        const QPointF at = face().rect().center();
        QMouseEvent e(type, at, at, face().mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&face(), &e);
    }

    fs::path folder_;
    com::HRESULT registered_ = com::E_FAIL;
    qthost::QtHost host;
    HoverForm form;
};

TEST_F(UserControlViewTest, TheFaceIsShownLightsUnderThePointerAndTakesClicks) {
    ASSERT_EQ(registered_, com::S_OK);
    ASSERT_EQ(form.created, com::S_OK);
    EXPECT_TRUE(face().isVisible());
    const QImage resting = shown();

    send(QEvent::MouseMove, Qt::NoButton);
    const QImage lit = shown();
    EXPECT_NE(lit, resting);

    send(QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_NE(shown(), lit);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    EXPECT_EQ(form.events, std::vector<std::string>{"Click"});
}

// At a device pixel ratio of 2 the window shows the surface's twin, pixel for pixel;
// otherwise the surface itself.
TEST_F(UserControlViewTest, TheScreenShowsTheSurfaceOrItsTwin) {
    ASSERT_EQ(form.created, com::S_OK);
    send(QEvent::MouseMove, Qt::NoButton);
    const QImage image = shown();
    const gdi::Bitmap* surface = form.cmdGo.Surface();
    ASSERT_NE(surface, nullptr);
    const bool sharp = face().devicePixelRatioF() >= 2;
    ASSERT_EQ(surface->twin() != nullptr, sharp);
    const QImage expected = Opaque(qthost::ToQImage(sharp ? *surface->twin() : *surface));
    EXPECT_EQ(image, expected);
}

// The caption the instance reads from its stored properties gives the button its Alt key.
TEST_F(UserControlViewTest, TheStoredCaptionGivesTheAltKey) {
    const com::PropertyBag design{{"Caption", com::Variant(std::string("&Go"))}};
    ASSERT_EQ(form.cmdGo.Create(&design), com::S_OK);
    EXPECT_EQ(static_cast<QPushButton&>(face()).shortcut(), QKeySequence(Qt::ALT | Qt::Key_G));
}

}  // namespace
