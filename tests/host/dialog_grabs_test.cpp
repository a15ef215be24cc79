// The options dialog and the top-scores window (plain and with a result line), each shown
// modal over the main window and grabbed to a PNG in the build tree (grabs/, beside the
// test's working folder) for a person to look at, at the run's scale.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QTabBar>
#include <QTimer>
#include <string>

#include "dialogs/frmOptions.h"
#include "dialogs/frmScores2.h"
#include "host/host_fixture.h"
#include "platform/com/loader.h"
#include "shell/Module1.h"

namespace {

class DialogGrabs : public HostTest {
protected:
    DialogGrabs() { EXPECT_EQ(com::RegisterServer(KANTREL_PATH), com::S_OK); }

    // Shows @p dialog modally, grabs it once it is up and closes it.
    void Grab(vb::Form& dialog, const std::string& name) {
        QImage grabbed;
        QTimer::singleShot(0, [&] {
            if (qthost::FormWindow* shown = host.windowOf(dialog))
                grabbed = shown->grab().toImage();
            dialog.Unload();
        });
        dialog.Show(vb::vbModal, &form);
        ASSERT_FALSE(grabbed.isNull()) << name;
        const auto ratio = static_cast<int>(grabbed.devicePixelRatio());
        QDir().mkpath("grabs");
        grabbed.save(
            QString::fromStdString("grabs/" + name + "-" + std::to_string(ratio) + "x.png"));
    }
};

TEST_F(DialogGrabs, EachDialogIsShownAndGrabbed) {
    Module1::OpenedFromMain = true;
    Grab(vb::Default<frmOptions>(), "frmOptions");
    Module1::ShowScoreResult = false;
    Grab(vb::Default<frmScores2>(), "frmScores2");
    Module1::ShowScoreResult = true;
    Module1::LastGameScore = 412;
    Module1::NewScoreRank = 2;
    Grab(vb::Default<frmScores2>(), "frmScores2-result");
}

// The four tabs of the top-scores window fit its width side by side, none cut or scrolled.
TEST_F(DialogGrabs, TheTopScoresTabsFitSideBySide) {
    Module1::ShowScoreResult = false;
    frmScores2& scores = vb::Default<frmScores2>();
    QTimer::singleShot(0, [&] {
        const QTabBar* bar = host.windowOf(scores)->findChild<QTabBar*>();
        EXPECT_GE(bar->tabRect(0).left(), 0);
        EXPECT_LE(bar->tabRect(3).right(), bar->width());
        scores.Unload();
    });
    scores.Show(vb::vbModal, &form);
}

}  // namespace

// Escape leaves each dialog as its cancelling button does; Enter in the options is OK.
TEST_F(DialogGrabs, EscapeAndEnterAnswerTheDialogs) {
    Module1::OpenedFromMain = true;
    Module1::ShowScoreResult = false;
    // Whether @p key closed @p dialog.
    const auto closes = [&](vb::Form& dialog, Qt::Key key) {
        bool closed = false;
        QTimer::singleShot(0, [&, key] {
            QWidget* window = host.windowOf(dialog);
            QWidget* focused = window->focusWidget();
            QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(focused ? focused : window, &down);
            closed = !dialog.Loaded();
            if (!closed) dialog.Unload();
        });
        Module1::SettingsChanged = false;
        dialog.Show(vb::vbModal, &form);
        return closed;
    };
    EXPECT_TRUE(closes(vb::Default<frmOptions>(), Qt::Key_Escape));
    EXPECT_FALSE(Module1::SettingsChanged);
    EXPECT_TRUE(closes(vb::Default<frmOptions>(), Qt::Key_Return));
    EXPECT_TRUE(Module1::SettingsChanged);  // OK ran
    EXPECT_TRUE(closes(vb::Default<frmScores2>(), Qt::Key_Escape));
}
