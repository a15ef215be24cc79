// The row scorers, pinned on chosen throws and checked on every throw of five and six dice
// against the rules as the game describes them to the player.

#include <algorithm>
#include <array>
#include <numeric>
#include <sstream>

#include "game/support/tolvarin_fixture.h"

namespace {

struct ScoreCase {
    const char* dice;  // as rolled
    int32_t row;
    int32_t want;
};

const ScoreCase kScoreCases[] = {
    // Five dice.
    {"5 3 1 4 2", rowStraight, 50},
    {"5 3 1 4 2", rowMax, 15},
    {"5 3 1 4 2", rowMin, 15},
    {"5 3 1 4 2", rowThreeOfAKind, 0},
    {"6 4 2 5 3", rowStraight, 60},
    {"5 3 5 3 3", rowFullHouse, 39},
    {"5 3 5 3 3", rowThreeOfAKind, 29},
    {"5 3 5 3 3", 2, 9},
    {"5 3 5 3 3", 4, 10},
    {"4 4 4 4 4", 3, 20},
    {"4 4 4 4 4", rowThreeOfAKind, 30},
    {"4 4 4 4 4", rowFourOfAKind, 50},
    {"4 4 4 4 4", rowFullHouse, 0},
    {"4 4 4 4 4", rowTolvarin, 100},
    {"2 6 2 2 2", rowFourOfAKind, 44},
    // Six dice.
    {"1 1 1 1 1 1", rowOnes, 5},
    {"1 1 1 1 1 1", rowMax, 5},
    {"1 1 1 1 1 1", rowMin, 5},
    {"1 1 1 1 1 1", rowFourOfAKind, 35},
    {"1 1 1 1 1 1", rowTolvarin, 100},
    {"1 1 1 1 1 1", rowFullHouse, 0},
    {"6 1 5 2 4 3", rowStraight, 60},
    {"6 1 5 2 4 3", rowMax, 20},
    {"6 1 5 2 4 3", rowMin, 15},
    {"5 1 5 2 4 3", rowStraight, 50},
    {"3 6 2 5 3 4", rowStraight, 60},
    {"4 3 2 1 4 3", rowStraight, 0},
    {"5 2 5 2 5 2", rowThreeOfAKind, 29},
    {"5 2 5 2 5 2", rowFullHouse, 39},
    {"3 6 3 1 3 3", rowThreeOfAKind, 28},
    {"3 6 3 1 3 3", rowFourOfAKind, 48},
    {"3 5 3 3 3 3", rowFullHouse, 0},
    {"3 5 3 3 3 3", rowTolvarin, 100},
    {"3 5 3 3 3 3", rowFourOfAKind, 47},
    {"3 1 1 3 1 1", rowFullHouse, 29},
    {"4 2 4 1 2 4", rowFullHouse, 36},
};

using ScorersTest = TolvarinTest;

TEST_F(ScorersTest, PinnedThrowsScoreTheirRows) {
    for (const ScoreCase& c : kScoreCases) {
        SCOPED_TRACE(testing::Message() << c.dice << " row " << c.row);
        Throw(c.dice);
        form.CallRowScorer(c.row);
        EXPECT_EQ(form.lastScore, c.want) << "placing";

        // The hint pass scores dice that are already sorted, without sorting them.
        std::vector<int32_t> sorted = Faces(c.dice);
        std::sort(sorted.begin(), sorted.end());
        std::copy(sorted.begin(), sorted.end(), form.diceValues.begin());
        form.hintPass = true;
        form.CallRowScorer(c.row);
        form.hintPass = false;
        EXPECT_EQ(form.lastScore, c.want) << "hint pass";
    }
}

// ---- The rules as the player reads them ----

struct Throw6 {
    std::vector<int32_t> dice;
    std::array<int32_t, 7> count{};  // by face
};

Throw6 Describe(const std::vector<int32_t>& dice) {
    Throw6 t{dice, {}};
    for (int32_t d : dice) ++t.count[static_cast<size_t>(d)];
    return t;
}

int32_t SumOf(const std::vector<int32_t>& v) { return std::accumulate(v.begin(), v.end(), 0); }

// The dice left after taking @p n dice showing @p face out, highest first.
std::vector<int32_t> Others(const Throw6& t, int32_t face, int32_t n) {
    std::vector<int32_t> rest;
    for (int32_t d : t.dice) {
        if (d == face && n > 0) {
            --n;
        } else {
            rest.push_back(d);
        }
    }
    std::sort(rest.rbegin(), rest.rend());
    return rest;
}

int32_t HighestWithAtLeast(const Throw6& t, int32_t n) {
    for (int32_t face = 6; face >= 1; --face)
        if (t.count[static_cast<size_t>(face)] >= n) return face;
    return 0;
}

// Three of a kind: the highest triple, the two highest other dice, plus 10.
int32_t ThreeOfAKindRule(const Throw6& t) {
    const int32_t face = HighestWithAtLeast(t, 3);
    if (face == 0) return 0;
    const std::vector<int32_t> rest = Others(t, face, 3);
    return 3 * face + rest[0] + rest[1] + 10;
}

// Full house: a triple and a pair of another face plus 20, the best such choice.
int32_t FullHouseRule(const Throw6& t) {
    int32_t best = 0;
    for (int32_t a = 1; a <= 6; ++a)
        for (int32_t b = 1; b <= 6; ++b)
            if (a != b && t.count[static_cast<size_t>(a)] >= 3 &&
                t.count[static_cast<size_t>(b)] >= 2)
                best = std::max(best, 3 * a + 2 * b + 20);
    return best;
}

bool HasRun(const Throw6& t, int32_t from) {
    for (int32_t face = from; face < from + 5; ++face)
        if (t.count[static_cast<size_t>(face)] == 0) return false;
    return true;
}

// Four of a kind: the four equal dice, the highest die besides them, plus 30.
int32_t FourOfAKindRule(const Throw6& t) {
    const int32_t face = HighestWithAtLeast(t, 4);
    return face == 0 ? 0 : 4 * face + Others(t, face, 4)[0] + 30;
}

int32_t RuleValue(int32_t row, const Throw6& t) {
    std::vector<int32_t> sorted = t.dice;
    std::sort(sorted.begin(), sorted.end());
    const bool six = sorted.size() == 6;
    if (row <= rowSixes) return (row + 1) * std::min(t.count[static_cast<size_t>(row + 1)], 5);
    switch (row) {
        case rowMax:
            return SumOf(sorted) - (six ? sorted.front() : 0);
        case rowMin:
            return SumOf(sorted) - (six ? sorted.back() : 0);
        case rowThreeOfAKind:
            return ThreeOfAKindRule(t);
        case rowFullHouse:
            return FullHouseRule(t);
        case rowStraight:
            return HasRun(t, 2) ? 60 : HasRun(t, 1) ? 50 : 0;
        case rowFourOfAKind:
            return FourOfAKindRule(t);
        default:
            return HighestWithAtLeast(t, 5) != 0 ? 100 : 0;
    }
}

std::string Text(const std::vector<int32_t>& dice) {
    std::ostringstream out;
    for (int32_t d : dice) out << d << ' ';
    return out.str();
}

class EveryThrow : public TolvarinTest, public testing::WithParamInterface<int32_t> {
protected:
    void Put(const std::vector<int32_t>& dice) {
        std::copy(dice.begin(), dice.end(), form.diceValues.begin());
    }
    std::vector<int32_t> OnTable(size_t n) const {
        return {form.diceValues.begin(), form.diceValues.begin() + static_cast<ptrdiff_t>(n)};
    }
    // Scores @p row of @p dice placing and in the hint pass; "" when both agree with the
    // rules and leave the dice as they should, else what went wrong.
    std::string Check(const std::vector<int32_t>& dice, int32_t row);
};

std::string EveryThrow::Check(const std::vector<int32_t>& dice, int32_t row) {
    std::vector<int32_t> sorted = dice;
    std::sort(sorted.begin(), sorted.end());
    const int32_t want = RuleValue(row, Describe(dice));

    // Placing sorts the dice; the straight gives them back as they were rolled.
    Put(dice);
    form.CallRowScorer(row);
    const int32_t placed = form.lastScore;
    const std::vector<int32_t> afterPlacing = OnTable(dice.size());

    // The hint pass scores dice sorted beforehand and leaves them so.
    Put(sorted);
    form.hintPass = true;
    form.CallRowScorer(row);
    form.hintPass = false;
    const int32_t hinted = form.lastScore;

    const bool orderKept =
        afterPlacing == (row == rowStraight ? dice : sorted) && OnTable(dice.size()) == sorted;
    if (placed == want && hinted == want && orderKept) return "";
    return Text(dice) + "row " + std::to_string(row) + ": rule " + std::to_string(want) +
           ", placed " + std::to_string(placed) + ", hint pass " + std::to_string(hinted) +
           ", dice after placing " + Text(afterPlacing);
}

// The next throw in counting order; false after 6 6 6 6 6 (6).
bool NextThrow(std::vector<int32_t>& dice) {
    for (int32_t& d : dice) {
        if (d < 6) {
            ++d;
            return true;
        }
        d = 1;
    }
    return false;
}

TEST_P(EveryThrow, ScoresByTheRulesAndLeavesTheDiceInOrder) {
    const int32_t n = GetParam();
    Module1::LastDieIndex = n - 1;
    form.diceValues[5] = 6;  // a stale sixth die that five-dice scoring must not read
    const std::string fresh = SheetText(form);
    std::vector<int32_t> dice(static_cast<size_t>(n), 1);
    int failures = 0;
    do {
        for (int32_t row = 0; row < kSheetRows; ++row) {
            const std::string wrong = Check(dice, row);
            if (!wrong.empty() && ++failures <= 10) ADD_FAILURE() << wrong;
        }
    } while (NextThrow(dice) && failures < 10);
    if (n == 5) {
        EXPECT_EQ(form.diceValues[5], 6);
    }
    EXPECT_EQ(SheetText(form), fresh) << "no column selected: nothing is written";
}

INSTANTIATE_TEST_SUITE_P(FiveAndSixDice, EveryThrow, testing::Values(5, 6));

}  // namespace
