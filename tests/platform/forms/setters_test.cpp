// Every setter stores its value and tells the host once, and only when the value changed.

#include <gtest/gtest.h>

#include "platform/forms/bars.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/recording_host.h"
#include "platform/gdi/bitmap.h"

namespace {

using formstest::Lines;
using formstest::RecordingHost;

struct Sheet : vb::Form {
    Sheet() : vb::Form("frmSheet") {}
    vb::Label lbl{*this, "lbl"};
    vb::CommandButton cmd{*this, "cmd"};
    vb::PictureBox pic{*this, "pic"};
    vb::Image img{*this, "img"};
    vb::Shape shp{*this, "shp"};
    vb::Line lin{*this, "lin"};
    vb::Menu mnu{*this, "mnu", "&Game"};
    vb::Toolbar tb{*this, "tb"};
    vb::StatusBar sb{*this, "sb"};
};

vb::Picture NamedPicture(const char* name) { return vb::Picture(nullptr, name); }

// Each row sets a property to a new value; the same call is then repeated, which must stay
// silent. `want` is the one line the first call gives.
struct SetterCase {
    const char* what;
    std::function<void(Sheet&)> set;
    const char* want;
};

const SetterCase kSetterCases[] = {
    {"Left", [](Sheet& s) { s.lbl.setLeft(120); }, "control lbl Position"},
    {"Top", [](Sheet& s) { s.lbl.setTop(240); }, "control lbl Position"},
    {"Width", [](Sheet& s) { s.lbl.setWidth(495); }, "control lbl Position"},
    {"Height", [](Sheet& s) { s.lbl.setHeight(255); }, "control lbl Position"},
    {"Move", [](Sheet& s) { s.cmd.Move(1, 2, 3, 4); }, "control cmd Position"},
    {"Visible", [](Sheet& s) { s.cmd.setVisible(false); }, "control cmd Visible"},
    {"Enabled", [](Sheet& s) { s.cmd.setEnabled(false); }, "control cmd Enabled"},
    {"Label.Caption", [](Sheet& s) { s.lbl.setCaption("63"); }, "control lbl Caption"},
    {"Label.BackColor", [](Sheet& s) { s.lbl.setBackColor(vb::vbYellow); }, "control lbl Colour"},
    {"Label.ForeColor", [](Sheet& s) { s.lbl.setForeColor(vb::vbRed); }, "control lbl Colour"},
    {"Label.BackStyle", [](Sheet& s) { s.lbl.setBackStyle(0); }, "control lbl Colour"},
    {"Label.Alignment", [](Sheet& s) { s.lbl.setAlignment(vb::vbCenter); }, "control lbl Other"},
    {"Label.BorderStyle", [](Sheet& s) { s.lbl.setBorderStyle(1); }, "control lbl Other"},
    {"Label.Font",
     [](Sheet& s) {
         vb::Font f;
         f.Bold = true;
         s.lbl.setFont(f);
     },
     "control lbl Font"},
    {"Button.Caption", [](Sheet& s) { s.cmd.setCaption("Roll"); }, "control cmd Caption"},
    {"Button.Picture", [](Sheet& s) { s.cmd.setPicture(NamedPicture("die1")); },
     "control cmd Picture"},
    {"Button.DisabledPicture", [](Sheet& s) { s.cmd.setDisabledPicture(NamedPicture("grey")); },
     "control cmd Picture"},
    {"Button.Style", [](Sheet& s) { s.cmd.setStyle(1); }, "control cmd Other"},
    {"Button.BackColor", [](Sheet& s) { s.cmd.setBackColor(vb::vbGreen); }, "control cmd Colour"},
    {"Picture.Picture", [](Sheet& s) { s.pic.setPicture(NamedPicture("board")); },
     "control pic Picture"},
    {"Picture.BackColor", [](Sheet& s) { s.pic.setBackColor(vb::vbBlack); }, "control pic Colour"},
    {"Picture.BorderStyle", [](Sheet& s) { s.pic.setBorderStyle(1); }, "control pic Other"},
    {"Picture.AutoRedraw", [](Sheet& s) { s.pic.setAutoRedraw(true); }, "control pic Other"},
    {"Image.Picture", [](Sheet& s) { s.img.setPicture(NamedPicture("lamp")); },
     "control img Picture"},
    {"Image.Stretch", [](Sheet& s) { s.img.setStretch(true); }, "control img Other"},
    {"Shape.Kind", [](Sheet& s) { s.shp.setKind(vb::vbShapeCircle); }, "control shp Other"},
    {"Shape.BackColor", [](Sheet& s) { s.shp.setBackColor(vb::vbBlue); }, "control shp Colour"},
    {"Shape.BackStyle", [](Sheet& s) { s.shp.setBackStyle(1); }, "control shp Colour"},
    {"Shape.BorderColor", [](Sheet& s) { s.shp.setBorderColor(vb::vbRed); }, "control shp Colour"},
    {"Shape.BorderWidth", [](Sheet& s) { s.shp.setBorderWidth(3); }, "control shp Other"},
    {"Shape.BorderStyle", [](Sheet& s) { s.shp.setBorderStyle(0); }, "control shp Other"},
    {"Line.X1", [](Sheet& s) { s.lin.setX1(10); }, "control lin Position"},
    {"Line.Y1", [](Sheet& s) { s.lin.setY1(10); }, "control lin Position"},
    {"Line.X2", [](Sheet& s) { s.lin.setX2(10); }, "control lin Position"},
    {"Line.Y2", [](Sheet& s) { s.lin.setY2(10); }, "control lin Position"},
    {"Line.Ends", [](Sheet& s) { s.lin.setEnds(1, 2, 3, 4); }, "control lin Position"},
    {"Line.BorderColor", [](Sheet& s) { s.lin.setBorderColor(vb::vbWhite); }, "control lin Colour"},
    {"Line.BorderWidth", [](Sheet& s) { s.lin.setBorderWidth(2); }, "control lin Other"},
    {"Menu.Caption", [](Sheet& s) { s.mnu.setCaption("&Options"); }, "control mnu Caption"},
    {"Menu.Checked", [](Sheet& s) { s.mnu.setChecked(true); }, "control mnu Value"},
    {"Menu.Shortcut", [](Sheet& s) { s.mnu.setShortcut("F2"); }, "control mnu Caption"},
    {"Button.Enabled", [](Sheet& s) { s.tb.Buttons(1).setEnabled(false); }, "control tb Items"},
    {"Button.Visible", [](Sheet& s) { s.tb.Buttons(1).setVisible(false); }, "control tb Items"},
    {"Button.Image", [](Sheet& s) { s.tb.Buttons(1).setImage(7); }, "control tb Items"},
    {"Button.ToolTipText", [](Sheet& s) { s.tb.Buttons(1).setToolTipText("Undo"); },
     "control tb Items"},
    {"Panel.Text", [](Sheet& s) { s.sb.Panels(1).setText("Roll 1"); }, "control sb Items"},
    {"Panel.Width", [](Sheet& s) { s.sb.Panels(1).setWidth(900); }, "control sb Items"},
    {"Panel.Visible", [](Sheet& s) { s.sb.Panels(1).setVisible(false); }, "control sb Items"},
    {"Panel.AutoSize", [](Sheet& s) { s.sb.Panels(1).setAutoSize(1); }, "control sb Items"},
    {"Form.Caption", [](Sheet& s) { s.setCaption("Tolvarin"); }, "form frmSheet Caption"},
    {"Form.Left", [](Sheet& s) { s.setLeft(600); }, "form frmSheet Position"},
    {"Form.Top", [](Sheet& s) { s.setTop(600); }, "form frmSheet Position"},
    {"Form.Width", [](Sheet& s) { s.setWidth(9000); }, "form frmSheet Position"},
    {"Form.Height", [](Sheet& s) { s.setHeight(7000); }, "form frmSheet Position"},
    {"Form.WindowState", [](Sheet& s) { s.setWindowState(vb::vbMinimized); },
     "form frmSheet Other"},
    {"Form.Enabled", [](Sheet& s) { s.setEnabled(false); }, "form frmSheet Enabled"},
};

TEST(Setters, NotifyOnceAndOnlyOnChange) {
    for (const auto& c : kSetterCases) {
        SCOPED_TRACE(c.what);
        RecordingHost host;
        Sheet sheet;
        sheet.tb.AddButton("tbUndo", 1);
        sheet.sb.AddPanel(1440);
        host.take();
        c.set(sheet);
        EXPECT_EQ(host.take(), Lines{c.want});
        c.set(sheet);
        EXPECT_EQ(host.take(), Lines{});
    }
}

TEST(Setters, StoreTheValue) {
    RecordingHost host;
    Sheet s;
    s.lbl.Move(15, 30, 45, 60);
    s.lbl.setCaption("24");
    s.lin.setEnds(1, 2, 3, 4);
    s.lin.setY2(9);
    EXPECT_EQ(s.lbl.Left(), 15);
    EXPECT_EQ(s.lbl.Top(), 30);
    EXPECT_EQ(s.lbl.Width(), 45);
    EXPECT_EQ(s.lbl.Height(), 60);
    EXPECT_EQ(s.lbl.Caption(), "24");
    EXPECT_EQ(s.lin.X1(), 1);
    EXPECT_EQ(s.lin.Y1(), 2);
    EXPECT_EQ(s.lin.X2(), 3);
    EXPECT_EQ(s.lin.Y2(), 9);
}

TEST(Setters, WorkWithoutAHost) {
    ASSERT_FALSE(vb::HasHost());
    Sheet s;
    s.lbl.setCaption("12");
    s.cmd.setEnabled(false);
    s.setCaption("Tolvarin");
    EXPECT_EQ(s.lbl.Caption(), "12");
    EXPECT_FALSE(s.cmd.Enabled());
    EXPECT_EQ(s.Caption(), "Tolvarin");
}

TEST(Setters, SharedPictureIsTheSamePicture) {
    Sheet s;
    s.cmd.setPicture(NamedPicture("die3"));
    RecordingHost host;
    s.img.setPicture(s.cmd.Picture());
    EXPECT_EQ(s.img.Picture(), s.cmd.Picture());
    EXPECT_EQ(host.take(), Lines{"control img Picture"});
    s.img.setPicture(s.cmd.Picture());
    EXPECT_EQ(host.take(), Lines{});
}

// A deferred picture is decoded once, when its pixels are first asked for, for all its
// copies; setting it on controls and telling pictures apart decode nothing.
TEST(Setters, ADeferredPictureIsDecodedWhenFirstNeeded) {
    int decoded = 0;
    const auto pixels = std::make_shared<const gdi::Bitmap>(2, 2);
    const auto decode = [&] {
        ++decoded;
        return pixels;
    };
    Sheet s;
    const vb::Picture held = vb::Picture::Deferred(decode, "held1");
    s.pic.setPicture(held);
    s.img.setPicture(held);
    s.img.setPicture(vb::Picture::Deferred(decode, "held1"));
    EXPECT_FALSE(s.img.Picture() == held) << "another picture, though of the same name";
    EXPECT_EQ(s.pic.Picture(), held);
    EXPECT_EQ(decoded, 0);
    EXPECT_EQ(s.pic.Picture().bitmap(), pixels);
    EXPECT_EQ(held.bitmap(), pixels);
    EXPECT_EQ(decoded, 1);
}

TEST(Controls, RegisterWithTheirFormAndTellTheHostWhenDestroyed) {
    RecordingHost host;
    Sheet s;
    const auto before = s.Controls().size();
    {
        vb::Label extra(s, "lblExtra", 3);
        EXPECT_EQ(s.Controls().size(), before + 1);
        EXPECT_EQ(s.FindControl("lblExtra", 3), &extra);
        EXPECT_EQ(s.FindControl("lblExtra"), nullptr);
        host.take();
    }
    EXPECT_EQ(host.take(), Lines{"destroyed lblExtra"});
    EXPECT_EQ(s.Controls().size(), before);
    EXPECT_EQ(s.FindControl("lblExtra", 3), nullptr);
    EXPECT_EQ(s.FindControl("cmd"), &s.cmd);
    EXPECT_EQ(s.Controls().front(), &s.lbl);
}

TEST(Controls, HandlesAreUniqueAndNeverZero) {
    Sheet a, b;
    EXPECT_NE(a.lbl.hWnd(), 0);
    EXPECT_NE(a.lbl.hWnd(), a.cmd.hWnd());
    EXPECT_NE(a.lbl.hWnd(), b.lbl.hWnd());
    EXPECT_NE(a.hWnd(), b.hWnd());
    EXPECT_NE(a.hWnd(), a.lbl.hWnd());
}

}  // namespace
