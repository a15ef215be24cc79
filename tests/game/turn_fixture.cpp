#include "game/turn_fixture.h"

#include "platform/media/playsound.h"
#include "platform/runtime/random.h"

namespace {

constexpr int kTumbleFrames = frmTolvarin::kAnimationFrames;

vb::Picture Named(const std::string& name) { return vb::Picture(nullptr, name); }

void NamePictures(frmTolvarin& f) {
    f.picRollDice.setPicture(Named("roll"));
    f.picRollOn.setPicture(Named("roll pressed"));
    f.picRollOff.setPicture(Named("roll off"));
    for (int16_t k = 0; k < 6; ++k) {
        f.picHide(k).setPicture(Named("face " + std::to_string(k + 1)));
        f.picHideOff(k).setPicture(Named("held " + std::to_string(k + 1)));
    }
    for (int16_t r = 0; r < kSheetRows; ++r) {
        f.img1ColumnP(r).setPicture(Named("row " + std::to_string(r)));
        f.img1Column(r).setPicture(Named("lit row " + std::to_string(r)));
    }
    f.picRollDices.setPicture(f.picRollDice.Picture());
}

}  // namespace

TurnTest::TurnTest() {
    form.Show();  // input reaches only a window that is shown
    vb::ClearScriptedRnd();
    NamePictures(form);
    Module1::SoundsOn = false;
    media::TakeSoundRequests();
}

void TurnTest::Reload() {
    form.SetControls();
    NamePictures(form);
    Module1::SoundsOn = false;
}

vb::Picture TurnTest::Named(const std::string& name) { return ::Named(name); }

int32_t TurnTest::FreeDice() const {
    int32_t free = 0;
    for (int32_t i = 0; i <= Module1::LastDieIndex; ++i)
        if (Module1::DiceToRoll[static_cast<size_t>(i)]) ++free;
    return free;
}

void TurnTest::ScriptRoll(const std::string& faces) {
    const std::vector<int32_t> result = Faces(faces);
    std::vector<double> numbers(static_cast<size_t>(kTumbleFrames) * result.size(), 0.0);
    for (int32_t face : result) numbers.push_back(vb::RndForFace(face));
    vb::ScriptRnd(numbers);
}

void TurnTest::Roll(const std::string& faces) {
    ASSERT_EQ(static_cast<int32_t>(Faces(faces).size()), FreeDice()) << "one face per free die";
    ScriptRoll(faces);
    host.click(form.picRollDices);
}

std::vector<std::string> TurnTest::Sounds() {
    std::vector<std::string> names;
    for (const media::SoundRequest& r : media::TakeSoundRequests()) {
        const size_t start = r.path.find("\\TLWAVS\\") + 8;
        std::string name = r.path.substr(start, r.path.size() - start - 4);
        if ((r.flags & win::SND_ASYNC) == 0) name += " (sync)";
        names.push_back(name);
    }
    return names;
}

std::string TurnTest::Offered() const {
    const char* names[] = {"Down", "Up", "Rand", "Oblg"};
    std::string text;
    for (int32_t code = colDown; code <= colOblg; ++code) {
        const auto& buttons =
            form.*frmTolvarin::kSheetColumns[static_cast<size_t>(code - 1)].buttons;
        std::string rows;
        for (int16_t r = 0; r < kSheetRows; ++r)
            if (buttons(r).Visible()) rows += " " + std::to_string(r);
        if (!text.empty()) text += " | ";
        text += names[code - 1] + (rows.empty() ? std::string(" -") : rows);
    }
    return text;
}

std::string TurnTest::DiceText() const {
    std::string text;
    for (int32_t i = 0; i <= Module1::LastDieIndex; ++i) {
        if (!text.empty()) text += ' ';
        text += std::to_string(form.diceValues[static_cast<size_t>(i)]);
        if (!Module1::DiceToRoll[static_cast<size_t>(i)]) text += 'h';
    }
    return text;
}

std::string TurnTest::UndoRedo() {
    vb::Toolbar& bar = form.Toolbar2;
    const bool undo = bar.Buttons("tbUndo").Enabled();
    const bool redo = bar.Buttons("tbRedo").Enabled();
    std::string text =
        std::string("undo ") + (undo ? "on" : "off") + ", redo " + (redo ? "on" : "off");
    if (undo != form.mnuUndoUndo.Enabled() || redo != form.mnuUndoRedo.Enabled())
        text += " (menu differs)";
    return text;
}

void TurnTest::Preset(int32_t column, const std::vector<std::string>& cells, const std::string& sub,
                      const std::string& line, const std::string& total) {
    frmTolvarin::SheetColumn col = form.Column(column);
    for (size_t r = 0; r < cells.size(); ++r)
        col.cells(static_cast<int32_t>(r)).setCaption(cells[r]);
    col.subTotal.setCaption(sub);
    col.maxMinLine.setCaption(line);
    col.columnTotal.setCaption(total);
}

void TurnTest::PresetLastOpenCell(int32_t column, int32_t row, const std::string& sub) {
    const bool fourColumns = Module1::NumColumns == 4;
    const std::vector<std::string> full(kSheetRows, "1");
    for (int32_t code = colDown; code <= colOblg; ++code) {
        if (code == column) {
            std::vector<std::string> open = full;
            open[static_cast<size_t>(row)] = "";
            Preset(code, open, sub, "0", "10");
        } else if (code != colOblg || fourColumns) {
            Preset(code, full, "6", "0", "11");
        }
    }
    form.nextDownRow = rowTolvarin + 1;
    form.nextUpRow = -1;
    form.roundIndex = fourColumns ? 51 : 12;
}
