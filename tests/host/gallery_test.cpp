// A window holding a control of every kind and a few HoverCommands (one whose library is
// missing): each kind has its view, controls inside a frame or a tab control lie in its
// widget, the player's changes reach the model once and the model's come back, the class
// cursor shows on every window, and the window is grabbed into the build tree for looking
// at (gallery-1x.png, gallery-2x.png).

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <filesystem>
#include <string>

#include "host/host_fixture.h"
#include "host/qt/control_view.h"
#include "host/qt/form_window.h"
#include "host/qt/qt_host.h"
#include "platform/com/loader.h"
#include "platform/forms/bars.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/image_list.h"
#include "platform/forms/list_view.h"
#include "platform/forms/rich_text_box.h"
#include "platform/forms/slider.h"
#include "platform/forms/tabs.h"
#include "platform/forms/text_box.h"
#include "platform/forms/toggles.h"
#include "platform/forms/user_control_host.h"
#include "platform/registry/registry_store.h"
#include "platform/user32/cursors.h"

namespace {

namespace fs = std::filesystem;

struct Gallery : vb::Form {
    Gallery() : vb::Form("frmGallery") {}
    vb::Shape shpBack{*this, "shpBack"};
    vb::Line linRule{*this, "linRule"};
    vb::Label lblTitle{*this, "lblTitle"};
    vb::Image imgDot{*this, "imgDot"};
    vb::PictureBox picBox{*this, "picBox"};
    vb::CommandButton cmdPlain{*this, "cmdPlain"};
    vb::Frame Frame1{*this, "Frame1"};
    vb::OptionButton opt5Dice{*this, "opt5Dice"};
    vb::OptionButton opt6Dice{*this, "opt6Dice"};
    vb::CheckBox Check1{*this, "Check1"};
    vb::TextBox txtName1{*this, "txtName1"};
    vb::Slider sldVolume{*this, "sldVolume"};
    vb::TabControl SSTab1{*this, "SSTab1"};
    vb::ListView LVScores{*this, "LVScores"};
    vb::ImageList ilHeader{*this, "ilHeader"};
    vb::UserControlHost cmdReturn{*this, "cmdReturn", "Lumbrix1.HoverCommand"};
    vb::UserControlHost cmdGrab{*this, "cmdGrab", "Lumbrix1.HoverCommand"};
    vb::UserControlHost cmdMissing{*this, "cmdMissing", "Lumbrix1.Missing"};
    vb::StatusBar StatusBar1{*this, "StatusBar1"};
    vb::Toolbar Toolbar1{*this, "Toolbar1"};
    vb::Timer tmrTick{*this, "tmrTick"};
    vb::RichTextBox RichTextBox1{*this, "RichTextBox1"};
    int checkClicks = 0, changes = 0;

protected:
    void InitializeComponent() override;
};

void Gallery::InitializeComponent() {
    setCaption("Gallery");
    designGeometry(600, 600, 9000, 7200);
    setBackColor(0xD2FFEF);
    shpBack.Move(120, 120, 2400, 900);
    shpBack.setBackStyle(1);
    shpBack.setBackColor(0x66CC99);
    linRule.setEnds(120, 1140, 4200, 1140);
    lblTitle.Move(240, 240, 2000, 300);
    lblTitle.setCaption("Every control");
    lblTitle.setBackStyle(0);
    picBox.Move(2700, 120, 900, 900);
    picBox.setBackColor(0x3366CC);
    imgDot.Move(3700, 120, 450, 450);
    cmdPlain.Move(4300, 120, 1500, 450);
    cmdPlain.setCaption("&Plain");
    cmdPlain.setDefault(true);
    Frame1.Move(120, 1300, 2600, 1300);
    Frame1.setCaption(" Number of Dice ");
    for (vb::OptionButton* o : {&opt5Dice, &opt6Dice}) o->setContainer(&Frame1);
    opt5Dice.Move(150, 300, 2000, 300);
    opt5Dice.setCaption("&Five Dice");
    opt6Dice.Move(150, 700, 2000, 300);
    opt6Dice.setCaption("&Six Dice");
    opt5Dice.setValue(true);
    Check1.Move(3000, 1300, 2400, 300);
    Check1.setCaption("&Show Grid Lines");
    Check1.Click = [this] { ++checkClicks; };
    txtName1.Move(3000, 1700, 2400, 330);
    txtName1.setText("Player 1");
    txtName1.Change = [this] { ++changes; };
    sldVolume.Move(3000, 2150, 2400, 450);
    sldVolume.setRange(0, 1000);
    sldVolume.setTickFrequency(100);
    sldVolume.setValue(500);
    SSTab1.Move(120, 2800, 6200, 3300);
    SSTab1.setTabs(2);
    SSTab1.setTabCaption(0, "&Yamb - 6 Dice");
    SSTab1.setTabCaption(1, "Y&ahtzee - 5 Dice");
    LVScores.setContainer(&SSTab1);
    cmdGrab.setContainer(&SSTab1);
    LVScores.Move(120, 450, 5900, 1900);
    LVScores.setBackColor(0xD2FFEF);
    LVScores.setGridLines(true);
    LVScores.setColumnHeaderIcons("ilHeader");
    LVScores.AddColumn("", 800);
    LVScores.AddColumn("Name", 2200);
    LVScores.AddColumn("Score", 1550);
    LVScores.AddColumn("Date", 1300);
    for (int i = 1; i <= 5; ++i) {
        vb::ListItem& row =
            LVScores.AddItem(std::string(1, static_cast<char>('a' + i - 1)), std::to_string(i));
        row.setSubItems(1, std::string("Ana\0\0\0\0\0\0", 10));
        row.setSubItems(2, std::to_string(400 - i * 10));
    }
    LVScores.ListItems(2).setSelected(true);
    cmdGrab.Move(120, 2500, 2235, 450);
    const com::PropertyBag grab{{"Caption", "&Grabbed"}, {"GrabBG", true}, {"Style", int32_t{1}}};
    cmdGrab.Create(&grab);
    cmdReturn.Move(6500, 6000, 2235, 450);
    const com::PropertyBag centred{{"Caption", "&Return"}, {"HAlign", int32_t{1}}};
    cmdReturn.Create(&centred);
    cmdMissing.Move(6500, 5400, 2235, 450);
    const com::PropertyBag missing{{"Caption", "&Clear Table"}};
    cmdMissing.Create(&missing);
    StatusBar1.AddPanel(3000).setText("Status");
    Toolbar1.setVisible(false);
    RichTextBox1.Move(6500, 1300, 2200, 1300);
}

class HostGallery : public ::testing::Test {
protected:
    HostGallery() {
        folder_ = fs::path(::testing::TempDir()) /
                  ("gallery-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        registry::SetStorePath((folder_ / "registry.txt").string());
        com::RegisterServer(KANTREL_PATH);
        QObject::connect(&answer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told_ += box->text().toStdString();
                box->accept();
            }
        });
        answer_.start(5);
        form.Show();
    }
    ~HostGallery() override {
        form.Unload();
        registry::SetStorePath(registry::DefaultStorePath());
        fs::remove_all(folder_);
    }
    QWidget& widgetOf(const vb::Control& c) const {
        qthost::ControlView* view = host.windowOf(form)->viewOf(c);
        if (!view) throw std::runtime_error(c.Name() + " has no view");
        return view->widget();
    }

    fs::path folder_;
    QTimer answer_;
    std::string told_;
    qthost::QtHost host;
    Gallery form;
};

TEST_F(HostGallery, EveryKindHasAViewAndContainersHoldTheirControls) {
    for (vb::Control* c : form.Controls()) {
        SCOPED_TRACE(c->Name());
        const bool noWidget = dynamic_cast<vb::Timer*>(c) || dynamic_cast<vb::ImageList*>(c);
        qthost::ControlView* view = host.windowOf(form)->viewOf(*c);
        EXPECT_EQ(view != nullptr, !noWidget);
    }
    EXPECT_EQ(widgetOf(form.opt6Dice).parentWidget(), &widgetOf(form.Frame1));
    EXPECT_EQ(widgetOf(form.LVScores).parentWidget(), &widgetOf(form.SSTab1));
    EXPECT_EQ(dynamic_cast<QTabWidget&>(widgetOf(form.SSTab1)).tabText(1), "Y&ahtzee - 5 Dice");
    // The missing library's button stands in with its caption, and the player is told.
    EXPECT_EQ(dynamic_cast<QPushButton&>(widgetOf(form.cmdMissing)).text(), "&Clear Table");
    EXPECT_TRUE(RunEventsUntil([this] { return !told_.empty(); }));
    EXPECT_NE(told_.find("Lumbrix1.Missing"), std::string::npos) << told_;
}

TEST_F(HostGallery, ThePlayersChangesReachTheModelOnceAndTheModelsComeBack) {
    auto& check = dynamic_cast<QCheckBox&>(widgetOf(form.Check1));
    check.click();
    EXPECT_EQ(form.Check1.Value(), vb::vbChecked);
    EXPECT_EQ(form.checkClicks, 1);
    form.Check1.setValue(vb::vbUnchecked);
    EXPECT_FALSE(check.isChecked());
    EXPECT_EQ(form.checkClicks, 2);
    dynamic_cast<QAbstractButton&>(widgetOf(form.opt6Dice)).click();
    EXPECT_TRUE(form.opt6Dice.Value());
    EXPECT_FALSE(dynamic_cast<QAbstractButton&>(widgetOf(form.opt5Dice)).isChecked());
    auto& text = dynamic_cast<QLineEdit&>(widgetOf(form.txtName1));
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    text.end(false);
    QApplication::sendEvent(&text, &typed);
    EXPECT_EQ(form.txtName1.Text(), "Player 1x");
    EXPECT_EQ(form.changes, 1);
    dynamic_cast<QTabWidget&>(widgetOf(form.SSTab1)).setCurrentIndex(1);
    EXPECT_EQ(form.SSTab1.Tab(), 1);
}

// A window opened later shows the class cursor from its first show, even one set since the
// last event, and a new class cursor reaches the windows already open.
TEST_F(HostGallery, EveryWindowShowsTheClassCursor) {
    const std::string file = (fs::path(KANTREL_PATH).parent_path() / "base.cur").string();
    const win::HCURSOR cursor = win::LoadCursorFromFileA(file.c_str());
    ASSERT_NE(cursor, 0) << file;
    const intptr_t before = win::SetClassWord(form.hWnd(), win::GCL_HCURSOR, cursor);
    struct CursorAtShow : QObject {
        Qt::CursorShape shape = Qt::ArrowCursor;
        bool eventFilter(QObject* watched, QEvent* e) override {
            if (e->type() == QEvent::Show && dynamic_cast<qthost::FormWindow*>(watched))
                shape = static_cast<QWidget*>(watched)->cursor().shape();
            return false;
        }
    } atShow;
    qApp->installEventFilter(&atShow);
    vb::Form later("frmLater");
    later.Show();
    qApp->removeEventFilter(&atShow);
    EXPECT_EQ(atShow.shape, Qt::BitmapCursor);
    EXPECT_EQ(host.windowOf(form)->cursor().shape(), Qt::BitmapCursor);
    win::SetClassWord(form.hWnd(), win::GCL_HCURSOR, before);
    host.eventDelivered();
    EXPECT_NE(host.windowOf(form)->cursor().shape(), Qt::BitmapCursor);
    EXPECT_NE(host.windowOf(later)->cursor().shape(), Qt::BitmapCursor);
    later.Unload();
    win::DestroyCursor(cursor);
}

// For looking at: the window as the screen shows it, at 1x or at 2x.
TEST_F(HostGallery, IsGrabbedIntoTheBuildTree) {
    qthost::FormWindow& window = *host.windowOf(form);
    form.cmdReturn.RaiseGotFocus();
    QCoreApplication::processEvents();
    const QImage shot = window.grab().toImage();
    const bool doubled = window.devicePixelRatioF() >= 2;
    fs::create_directories(TOLVARIN_GRAB_DIR);
    const std::string path =
        std::string(TOLVARIN_GRAB_DIR) + (doubled ? "/gallery-2x.png" : "/gallery-1x.png");
    ASSERT_TRUE(shot.save(QString::fromStdString(path)));
    EXPECT_EQ(shot.width(), window.width() * (doubled ? 2 : 1));
}

}  // namespace
