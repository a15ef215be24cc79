// The board reveal: every pattern of both layouts, recorded through the host as the
// sequence of Visible changes of the cell buttons, tick by tick on the virtual clock; the
// roll area held back until the last tick; the timer's pace; the shuffled order.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "game/frmTolvarin.h"
#include "platform/headless/headless_host.h"
#include "platform/runtime/random.h"
#include "shell/Module1.h"

namespace {

// One change of a cell button's Visible, as "+D12" (shown) or "-O3" (hidden).
struct Change {
    int32_t tick;
    std::string text;
};

// The headless host, also recording every Visible change of a cell button with the number of
// the reveal tick it happened in.
class RecordingHost : public headless::HeadlessHost {
public:
    void controlChanged(vb::Control& control, vb::Prop what) override {
        static const std::map<std::string, std::string> kColumns = {
            {"cmdDown", "D"}, {"cmdUp", "U"}, {"cmdRand", "R"}, {"cmdOblg", "O"}};
        const auto column = kColumns.find(control.Name());
        if (recording && what == vb::Prop::Visible && column != kColumns.end())
            changes.push_back({ticks - 1, (control.Visible() ? "+" : "-") + column->second +
                                              std::to_string(control.Index())});
        HeadlessHost::controlChanged(control, what);
    }

    bool recording = false;
    int32_t ticks = 0;
    std::vector<Change> changes;
};

class BoardReveal : public ::testing::Test {
protected:
    BoardReveal() {
        Module1::ResetModule1();
        Module1::SoundsOn = false;
        form.Load();
        form.tmrAnimation.Tick = [this] {
            ++host.ticks;
            form.tmrAnimation_Timer();
        };
    }
    ~BoardReveal() override { vb::ClearScriptedRnd(); }

    void UseColumns(int32_t columns) {
        Module1::NumColumns = columns;
        form.SetControls();
    }

    // New Game on a game under way, with reveal pattern @p pattern; records from there on.
    void NewGameWithPattern(int32_t pattern) {
        Module1::GameStarted = true;
        Module1::ConfirmQuit = false;
        vb::ScriptRnd({vb::RndForFace(pattern, Module1::NumColumns == 4 ? 9 : 4)});
        form.mnuNewGame_Click();
        ASSERT_EQ(form.animMode, pattern);
        host.changes.clear();
        host.ticks = 0;
        host.recording = true;
    }

    // Runs the reveal to its end a millisecond at a time, checking after each tick that the
    // roll area is held back exactly until the last one.
    void RunReveal() {
        EXPECT_FALSE(form.picRollDices.Enabled()) << "before the first tick";
        int32_t seen = 0;
        for (int ms = 0; ms < 5000 && form.tmrAnimation.Enabled(); ++ms) {
            host.advance(1);
            if (host.ticks == seen) continue;
            seen = host.ticks;
            EXPECT_EQ(form.picRollDices.Enabled(), !form.tmrAnimation.Enabled())
                << "after tick " << seen - 1;
        }
        ASSERT_FALSE(form.tmrAnimation.Enabled()) << "the reveal never ended";
        EXPECT_TRUE(form.picRollDices.Enabled());
    }

    // The changes of tick @p tick, joined by blanks.
    std::string TickText(int32_t tick) const {
        std::string text;
        for (const Change& c : host.changes)
            if (c.tick == tick) text += (text.empty() ? "" : " ") + c.text;
        return text;
    }

    // Each button's changes in order, as "D0:-+" ("" when it never changed).
    std::map<std::string, std::string> ChangesByButton() const {
        std::map<std::string, std::string> by;
        for (const Change& c : host.changes) by[c.text.substr(1)] += c.text[0];
        return by;
    }

    RecordingHost host;
    frmTolvarin form;
};

struct PatternCase {
    int32_t columns, pattern, ticks;
    bool hidesFirst;
    // What the first two ticks and the last one change; "*" skips the check (pattern 6 is
    // shuffled).
    const char* tick0;
    const char* tick1;
    const char* lastTick;
};

const PatternCase kPatterns[] = {
    {4, 1, 14, true, "-D0 -U0 -R0 -O0 -D12 -U12 -R12 -O12", "-D1 -U1 -R1 -O1 -D11 -U11 -R11 -O11",
     "+D0 +U0 +R0 +O0 +D12 +U12 +R12 +O12"},
    {4, 2, 13, false, "+D12 +U12 +R0 +O0", "+D11 +U11 +R1 +O1", "+D0 +U0 +R12 +O12"},
    {4, 3, 8, false, "+D0 +D2 +D4 +D6 +D8 +D10 +D12", "+U0 +U2 +U4 +U6 +U8 +U10 +U12",
     "+D1 +D3 +D5 +D7 +D9 +D11"},
    {4, 4, 17, false, "+D0 +O12", "+U0 +R12", ""},
    {4, 5, 13, false, "+D0 +O0 +R12 +U12", "+D1 +O1 +R11 +U11", "+D12 +O12 +R0 +U0"},
    {4, 6, 18, false, "*", "*", "*"},
    {4, 7, 26, false, "+U12 +R12", "+U11 +R11", "+D12 +O12"},
    {4, 8, 26, false, "+U12 +R12", "+D12 +O12", "+U11 +R11"},
    {4, 9, 27, false, "+D0 +U0 +R0 +O0", "+O1", ""},
    {1, 1, 13, false, "+R0", "+R1", "+R12"},
    {1, 2, 13, false, "+R12", "+R11", "+R0"},
    {1, 3, 14, true, "-R0 -R12", "-R1 -R11", "+R0 +R12"},
    {1, 4, 15, true, "", "-R6", "+R6"},
};

// Every pattern shows each cell button of its layout exactly once (the patterns that hide
// first hide each once before), touches no other button, and ends with all of them shown,
// still disabled, and the roll area enabled.
TEST_F(BoardReveal, EveryPatternShowsEachButtonOnce) {
    for (const PatternCase& p : kPatterns) {
        SCOPED_TRACE(testing::Message() << p.columns << " columns, pattern " << p.pattern);
        UseColumns(p.columns);
        NewGameWithPattern(p.pattern);
        RunReveal();
        EXPECT_EQ(host.ticks, p.ticks);

        const std::map<std::string, std::string> by = ChangesByButton();
        const std::vector<std::string> columns = p.columns == 4
                                                     ? std::vector<std::string>{"D", "U", "R", "O"}
                                                     : std::vector<std::string>{"R"};
        EXPECT_EQ(by.size(), columns.size() * kSheetRows);
        for (const std::string& column : columns)
            for (int32_t row = 0; row < kSheetRows; ++row) {
                const std::string name = column + std::to_string(row);
                EXPECT_EQ(by.count(name) ? by.at(name) : "", p.hidesFirst ? "-+" : "+") << name;
            }
        for (int32_t code = colDown; code <= colOblg; ++code)
            for (int16_t row = 0; row < kSheetRows; ++row) {
                const vb::CommandButton& b = form.Column(code).buttons(row);
                if (p.columns == 4 || code == colRand) {
                    EXPECT_TRUE(b.Visible());
                }
                EXPECT_FALSE(b.Enabled());
            }
        if (std::string(p.tick0) != "*") {
            EXPECT_EQ(TickText(0), p.tick0);
            EXPECT_EQ(TickText(1), p.tick1);
            EXPECT_EQ(TickText(p.ticks - 1), p.lastTick);
        }
        host.recording = false;
    }
}

// The shuffled pattern shows three new cells a tick and the last one alone.
TEST_F(BoardReveal, TheShuffledPatternShowsThreeCellsATick) {
    UseColumns(4);
    NewGameWithPattern(6);
    RunReveal();
    for (int32_t tick = 0; tick < 17; ++tick) {
        const std::string text = TickText(tick);
        EXPECT_EQ(std::count(text.begin(), text.end(), '+'), 3) << "tick " << tick;
    }
    const std::string last = TickText(17);
    EXPECT_EQ(std::count(last.begin(), last.end(), '+'), 1);
    EXPECT_EQ(ChangesByButton().size(), 52u);
}

// Pattern 3 slows the timer to 50 ms for its even rows and speeds it to 5 ms for the odd
// ones; nothing sets it back, so later reveals run at 5 ms.
TEST_F(BoardReveal, PatternThreeSetsThePace) {
    UseColumns(4);
    NewGameWithPattern(3);
    std::vector<uint32_t> intervals;
    for (int ms = 0; ms < 1000 && form.tmrAnimation.Enabled(); ++ms) {
        const int32_t before = host.ticks;
        host.advance(1);
        if (host.ticks != before) intervals.push_back(form.tmrAnimation.Interval());
    }
    EXPECT_EQ(intervals, (std::vector<uint32_t>{50, 50, 50, 50, 50, 5, 5, 5}));

    NewGameWithPattern(2);
    const int64_t start = host.nowMs();
    RunReveal();
    EXPECT_EQ(host.nowMs() - start, 13 * 5);
}

// New Game while the reveal runs finds a fresh board: the reveal goes on to its end.
TEST_F(BoardReveal, ANewGameDuringTheRevealLetsItRunOn) {
    UseColumns(4);
    NewGameWithPattern(7);
    host.advance(5);
    form.mnuNewGame_Click();
    EXPECT_EQ(form.animMode, 7);
    RunReveal();
    EXPECT_EQ(host.ticks, 26);
    EXPECT_EQ(ChangesByButton().size(), 52u);
}

// The options may change the layout under a running reveal; a pattern the new layout does
// not have ends the reveal at once and gives the roll area back.
TEST_F(BoardReveal, ALayoutWithoutThePatternEndsTheReveal) {
    UseColumns(4);
    NewGameWithPattern(8);
    host.advance(3);
    UseColumns(1);
    host.advance(1);
    EXPECT_FALSE(form.tmrAnimation.Enabled());
    EXPECT_TRUE(form.picRollDices.Enabled());
}

// With the highest number the generator can give, every partner is the element itself but
// element 0's, which is 1: six exchanges of 0 and 1 leave the order as it was. In single
// precision the product rounds up to i for some i, and the partner would be i + 1.
TEST_F(BoardReveal, TheShuffleStaysInsideTheOrderAtTheTopOfTheRange) {
    const double highest = std::nextafter(1.0f, 0.0f);
    vb::ScriptRnd(std::vector<double>(6 * 52, highest));
    form.ShuffleRevealOrder();
    for (size_t k = 0; k < 52; ++k) EXPECT_EQ(form.revealOrder[k], static_cast<int32_t>(k));
    EXPECT_EQ(form.revealOrder[52], 0);
}

}  // namespace
