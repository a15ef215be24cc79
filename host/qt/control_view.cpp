#include "host/qt/control_view.h"

#include "host/qt/units.h"
#include "host/qt/views.h"

namespace qthost {

QRect ControlView::placement() const {
    return PxRect(control_.Left(), control_.Top(), control_.Width(), control_.Height());
}

void ControlView::present() {
    QWidget& w = widget();
    const QRect place = placement();
    if (w.geometry() != place) w.setGeometry(place);
    w.setEnabled(control_.Enabled());
    refresh();
    w.setVisible(control_.Visible());
    repaintChanged();
}

ControlView* MakeView(vb::Control& control, QWidget* parent) {
    ControlView* v = nullptr;
    if (auto* label = dynamic_cast<vb::Label*>(&control))
        v = MakeLabelView(*label, parent);
    else if (auto* button = dynamic_cast<vb::CommandButton*>(&control))
        v = MakeButtonView(*button, parent);
    else if (auto* box = dynamic_cast<vb::PictureBox*>(&control))
        v = MakePictureBoxView(*box, parent);
    else if (auto* image = dynamic_cast<vb::Image*>(&control))
        v = MakeImageView(*image, parent);
    else if (auto* shape = dynamic_cast<vb::Shape*>(&control))
        v = MakeShapeView(*shape, parent);
    else if (auto* line = dynamic_cast<vb::Line*>(&control))
        v = MakeLineView(*line, parent);
    else if (auto* status = dynamic_cast<vb::StatusBar*>(&control))
        v = MakeStatusBarView(*status, parent);
    else if (auto* toolbar = dynamic_cast<vb::Toolbar*>(&control))
        v = MakeToolbarView(*toolbar, parent);
    else if (auto* hosted = dynamic_cast<vb::UserControlHost*>(&control))
        v = MakeUserControlView(*hosted, parent);
    if (v) v->present();
    return v;
}

}  // namespace qthost
