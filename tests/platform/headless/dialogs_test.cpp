// Modal windows and message boxes on the headless host are answered by what the test
// queued; anything unscripted stops the test with a clear message.

#include <gtest/gtest.h>

#include "platform/forms/form.h"
#include "platform/forms/msgbox.h"
#include "platform/headless/headless_host.h"
#include "platform/runtime/app.h"

namespace {

using headless::HeadlessHost;
using headless::UnscriptedDialog;

struct EndGame : vb::Form {
    EndGame() : vb::Form("frmEndGame") {}
    int16_t answer = 0;
};

struct Scores : vb::Form {
    Scores() : vb::Form("frmScores2") {}
};

std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const UnscriptedDialog& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

TEST(HeadlessModal, RunsTheScriptQueuedForTheForm) {
    HeadlessHost host;
    EndGame end;
    Scores scores;
    host.onModal("frmScores2", [](vb::Form& f) { f.Unload(); });
    host.onModal("frmEndGame", [&](vb::Form& f) {
        EXPECT_EQ(&f, &end);
        EXPECT_TRUE(f.Visible());
        EXPECT_TRUE(f.Modal());
        end.answer = 6;
        f.Hide();
    });
    end.Show(vb::vbModal);
    EXPECT_EQ(end.answer, 6);
    EXPECT_EQ(host.pendingScripts(), std::vector<std::string>{"onModal frmScores2"});
    scores.Show(vb::vbModal);
    EXPECT_FALSE(scores.Loaded());
    EXPECT_TRUE(host.pendingScripts().empty());
}

TEST(HeadlessModal, NestedModalWindows) {
    HeadlessHost host;
    EndGame end;
    Scores scores;
    std::vector<std::string> order;
    host.onModal("frmEndGame", [&](vb::Form& f) {
        scores.Show(vb::vbModal, &f);
        order.push_back("end closes");
        f.Unload();
    });
    host.onModal("frmScores2", [&](vb::Form& f) {
        order.push_back("scores closes");
        f.Hide();
    });
    end.Show(vb::vbModal);
    EXPECT_EQ(order, (std::vector<std::string>{"scores closes", "end closes"}));
}

TEST(HeadlessModal, UnscriptedShowThrows) {
    HeadlessHost host;
    EndGame end;
    host.onModal("frmScores2", [](vb::Form& f) { f.Hide(); });
    EXPECT_EQ(MessageOf([&] { end.Show(vb::vbModal); }),
              "modal window \"frmEndGame\" was shown, but no onModal script was queued for it");
    EXPECT_FALSE(end.Modal());
}

TEST(HeadlessModal, ScriptThatLeavesTheWindowOpenThrows) {
    HeadlessHost host;
    EndGame end;
    host.onModal("frmEndGame", [](vb::Form&) {});
    EXPECT_EQ(MessageOf([&] { end.Show(vb::vbModal); }),
              "the onModal script of \"frmEndGame\" returned while the window was still shown "
              "modally");
    host.onModal("frmEndGame", [](vb::Form& f) {
        f.Hide();
        f.Show();
    });
    EXPECT_NO_THROW(end.Show(vb::vbModal));
}

TEST(HeadlessModal, ModelessShowsNeedNoScript) {
    HeadlessHost host;
    Scores scores;
    scores.Show();
    EXPECT_TRUE(scores.Visible());
    EXPECT_TRUE(host.pendingScripts().empty());
}

TEST(HeadlessMsgBox, AnswersInOrderAndRecordsEachBox) {
    HeadlessHost host;
    host.answerMsgBox(vb::vbCancel);
    host.answerMsgBox(vb::vbOK);
    host.advance(40);
    EXPECT_EQ(vb::MsgBox("Exit Tolvarin?", vb::vbOKCancel + vb::vbQuestion, "Confirm"),
              vb::vbCancel);
    EXPECT_EQ(vb::MsgBox("53File not found"), vb::vbOK);
    EXPECT_EQ(host.nowMs(), 40);
    ASSERT_EQ(host.messageBoxes().size(), 2u);
    const auto& first = host.messageBoxes()[0];
    EXPECT_EQ(first.prompt, "Exit Tolvarin?");
    EXPECT_EQ(first.buttons, 33);
    EXPECT_EQ(first.title, "Confirm");
    EXPECT_EQ(first.answer, vb::vbCancel);
    const auto& second = host.messageBoxes()[1];
    EXPECT_EQ(second.buttons, vb::vbOKOnly);
    EXPECT_EQ(second.title, vb::App().Title);
    EXPECT_EQ(second.answer, vb::vbOK);
}

TEST(HeadlessMsgBox, UnansweredThrowsWithItsText) {
    HeadlessHost host;
    EXPECT_EQ(MessageOf([] { vb::MsgBox("Start a new game?", vb::vbOKCancel, "New game"); }),
              "message box \"Start a new game?\" (title \"New game\") was shown, but no answer "
              "was queued for it");
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST(HeadlessHost, ListsWhatWasLeftUnused) {
    HeadlessHost host;
    host.answerMsgBox(vb::vbYes);
    host.onModal("frmOptions", [](vb::Form&) {});
    host.answerMsgBox(vb::vbNo);
    EXPECT_EQ(host.pendingScripts(),
              (std::vector<std::string>{"onModal frmOptions", "answerMsgBox 6", "answerMsgBox 7"}));
}

TEST(HeadlessHost, InstallsItselfForItsLifetime) {
    EXPECT_FALSE(vb::HasHost());
    {
        HeadlessHost host;
        EXPECT_EQ(&vb::CurrentHost(), &host);
        EXPECT_EQ(vb::ScreenWidth(), 15360);
        EXPECT_EQ(vb::ScreenHeight(), 11520);
    }
    EXPECT_FALSE(vb::HasHost());
    EXPECT_THROW(vb::CurrentHost(), std::logic_error);
}

}  // namespace
