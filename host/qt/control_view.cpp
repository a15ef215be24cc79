#include "host/qt/control_view.h"

#include "host/qt/units.h"
#include "host/qt/views.h"
#include "platform/forms/form.h"

namespace qthost {

QRect ControlView::placement() const {
    return PxRect(control_.Left(), control_.Top(), control_.Width(), control_.Height());
}

void ControlView::present() {
    QWidget& w = widget();
    const QRect place = placement();
    if (w.geometry() != place) w.setGeometry(place);
    w.setEnabled(control_.Enabled());
    if (takesFocus()) {
        const bool keys = !control_.Parent().KeyPreview();
        w.setFocusPolicy(!keys                ? Qt::NoFocus
                         : control_.TabStop() ? Qt::StrongFocus
                                              : Qt::ClickFocus);
    }
    refresh();
    w.setVisible(control_.Visible());
    repaintChanged();
}

namespace {

// Each kind of control and how its view is made; a kind not listed has no widget (timers,
// menu items, image lists).
template <class Kind>
ControlView* As(vb::Control& control, QWidget* parent, ControlView* (*make)(Kind&, QWidget*)) {
    auto* kind = dynamic_cast<Kind*>(&control);
    return kind ? make(*kind, parent) : nullptr;
}

using Maker = ControlView* (*)(vb::Control&, QWidget*);
const Maker kMakers[] = {
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeLabelView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeButtonView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakePictureBoxView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeImageView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeShapeView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeLineView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeStatusBarView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeToolbarView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeUserControlView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeCheckBoxView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeOptionButtonView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeFrameView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeTextBoxView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeSliderView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeTabView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeListViewView); },
    [](vb::Control& c, QWidget* p) { return As(c, p, MakeRichTextView); },
};

}  // namespace

ControlView* MakeView(vb::Control& control, QWidget* parent) {
    for (const Maker make : kMakers) {
        if (ControlView* v = make(control, parent)) {
            v->present();
            return v;
        }
    }
    return nullptr;
}

}  // namespace qthost
