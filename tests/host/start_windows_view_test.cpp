// The welcome, about, splash, quick-start, end-of-game and winner windows in the real
// window layer: each is grabbed into the build tree to be looked at; the splash is its
// picture without a frame, above every window; the rules print into one PDF; the help
// window opens at its contents and goes with the main window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRect>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <string>

#include "dialogs/frmAbout.h"
#include "dialogs/frmEndGame.h"
#include "dialogs/frmQuickStart.h"
#include "dialogs/frmSplash.h"
#include "dialogs/frmTheWinerIs.h"
#include "dialogs/frmWelcome.h"
#include "host/host_fixture.h"
#include "host/qt/help_window.h"
#include "platform/com/loader.h"
#include "platform/gdi/bitmap.h"
#include "shell/Module1.h"
#include "shell/resources.h"

namespace {

namespace fs = std::filesystem;

class StartWindowsView : public HostTest {
protected:
    StartWindowsView() { EXPECT_EQ(com::RegisterServer(KANTREL_PATH), com::S_OK); }

    QWidget& shown(vb::Form& window) {
        window.Show(vb::vbModeless, &form);
        qthost::FormWindow* w = host.windowOf(window);
        if (!w) throw std::runtime_error(window.Name() + " has no window");
        return *w;
    }
    // Saves what @p window shows as GRAB_DIR/NAME@<ratio>x.png.
    static void Keep(QWidget& window, const std::string& name) {
        const QImage image = window.grab().toImage();
        fs::create_directories(TOLVARIN_GRAB_DIR);
        const std::string ratio = image.devicePixelRatio() >= 2 ? "@2x" : "@1x";
        EXPECT_TRUE(image.save(
            QString::fromStdString(std::string(TOLVARIN_GRAB_DIR) + "/" + name + ratio + ".png")));
    }
    // The HoverCommand takes a click as the window layer delivers one.
    static void Click(vb::UserControlHost& button) {
        const float x = static_cast<float>(button.Width()) / 2,
                    y = static_cast<float>(button.Height()) / 2;
        button.RaiseMouseDown(vb::vbLeftButton, 0, x, y);
        button.RaiseMouseUp(vb::vbLeftButton, 0, x, y);
        button.RaiseClick();
    }
};

TEST_F(StartWindowsView, EachWindowShowsItsDesignAndIsKeptForALook) {
    Module1::OpenedFromMain = true;
    struct Window {
        vb::Form& form;
        const char* name;
    };
    const Window windows[] = {{vb::Default<frmWelcome>(), "welcome"},
                              {vb::Default<frmAbout>(), "about"},
                              {vb::Default<frmQuickStart>(), "quick-start"},
                              {vb::Default<frmEndGame>(), "end-of-game"},
                              {vb::Default<frmTheWinerIs>(), "winner"}};
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        QWidget& window = shown(w.form);
        EXPECT_EQ(window.windowTitle().toStdString(), w.form.Caption());
        EXPECT_FALSE(window.windowFlags() & Qt::FramelessWindowHint);
        Keep(window, w.name);
        w.form.Unload();
    }
}

// The rules in the box are the document, read from its top.
TEST_F(StartWindowsView, TheQuickStartBoxShowsTheRulesFromTheirTop) {
    Module1::OpenedFromMain = true;
    frmQuickStart& q = vb::Default<frmQuickStart>();
    shown(q);
    auto* box = dynamic_cast<QTextBrowser*>(&host.windowOf(q)->viewOf(q.RichTextBox1)->widget());
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->toPlainText().startsWith("Tolvarin\nQuick Start: the rules"));
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
    q.Unload();
}

TEST_F(StartWindowsView, TheSplashIsItsPictureWithoutAFrameAboveEveryWindow) {
    frmSplash& s = vb::Default<frmSplash>();
    s.ShowSplash();
    QWidget& window = *host.windowOf(s);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.size(), QSize(377, 209));
    const QImage grab = window.grab().toImage();
    const qreal ratio = grab.devicePixelRatio();
    const gdi::Bitmap& picture = *vb::LoadResPicture("splash").bitmap();
    const gdi::Bitmap& sharp = ratio >= 2 ? *picture.twin() : picture;
    const int at = static_cast<int>(ratio) * 100;
    EXPECT_EQ(grab.pixel(at, at) & 0xFFFFFFu, sharp.pixel(at, at));
    Keep(window, "splash");
    s.Unload();
}

// The PDF is kept beside the grabs.
TEST_F(StartWindowsView, PrintingTheRulesMakesOnePdf) {
    fs::create_directories(TOLVARIN_GRAB_DIR);
    const fs::path pdf = fs::path(TOLVARIN_GRAB_DIR) /
                         (qApp->devicePixelRatio() >= 2 ? "rules@2x.pdf" : "rules@1x.pdf");
    fs::remove(pdf);
    host.setPrintFile(QString::fromStdString(pdf.string()));
    Module1::OpenedFromMain = true;
    frmQuickStart& q = vb::Default<frmQuickStart>();
    shown(q);
    Click(q.cmdPrint);
    q.Unload();
    std::ifstream in(pdf, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    size_t pages = 0;
    for (size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
         at = bytes.find("/Type /Page\n", at + 1))
        ++pages;
    EXPECT_GE(pages, 2u) << "the rules fill more than one page";
}

TEST_F(StartWindowsView, TheHelpWindowOpensAtItsContentsAndGoesWithTheMainWindow) {
    fs::create_directories(folder_);
    std::ofstream(folder_ / "TLHelp23.hlp") << R"({\rtf1 \b Contents\b0\par Rows\par})";
    Module1::AppFolder = folder_.string() + "\\";
    form.mnuContents.RaiseClick();
    qthost::HelpWindow* help = host.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Tolvarin Help");
    EXPECT_EQ(help->browser().toPlainText(), "Contents\nRows");
    Keep(*help, "help");
    const QRect room = help->screen()->availableGeometry();
    EXPECT_LE(help->height(), room.height()) << "taller than the screen";
    EXPECT_LE(help->geometry().bottom(), room.bottom()) << "below the screen";
    Module1::ConfirmExit = false;
    form.Unload();
    EXPECT_EQ(host.helpWindow(), nullptr);
}

}  // namespace
