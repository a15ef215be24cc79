#include "shell/board_height.h"

#include <cstdint>

#include "game/frmTolvarin.h"
#include "platform/forms/form.h"
#include "shell/Module1.h"

namespace Module1 {

namespace {

// The row-name panel's height and where its frame ends: the bottom rule (Line4) and the two
// vertical rules that end on it (Line1, Line3).
struct BoardHeight {
    int32_t panelHeight;
    int32_t frameBottom;
};
constexpr BoardHeight kFourColumns{4740, 5414};
constexpr BoardHeight kOneColumn{4505, 5164};

}  // namespace

void AdjustBoardHeight() {
    frmTolvarin& f = vb::Default<frmTolvarin>();
    // Any value but 4 lays out the one-column sheet, so its frame must be the short one too:
    // the long frame would run its rules through the dice area, which has moved up.
    const BoardHeight& h = NumColumns == 4 ? kFourColumns : kOneColumn;
    f.Picture2.setHeight(h.panelHeight);
    f.Line1.setY2(h.frameBottom);
    f.Line3.setY2(h.frameBottom);
    f.Line4.setY1(h.frameBottom);
    f.Line4.setY2(h.frameBottom);
}

}  // namespace Module1
