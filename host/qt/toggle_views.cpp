// Check boxes, option buttons and frames. The model is the one truth: Qt never changes a
// box's check by itself; a click (mouse, Space, Alt and the marked letter) becomes the
// control's Click in the model, and the model's value comes back to the widget. Option
// buttons are exclusive through the model, one group per container. A frame is a group
// box whose children are the controls inside it.

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "host/qt/failure.h"
#include "host/qt/form_window.h"
#include "host/qt/units.h"
#include "host/qt/views.h"
#include "platform/forms/toggles.h"

namespace qthost {

namespace {

// What a check box and an option button share: the caption, the font of the form, and
// Qt's click turned into the model's Click.
template <class W, class M>
class ToggleView : public View<W> {
public:
    ToggleView(M& model, QWidget* parent) : View<W>(model, parent), model_(model) {
        W::setAutoExclusive(false);
    }
    bool takesFocus() const override { return true; }

protected:
    bool clicksOnRelease() const override { return false; }
    // Qt's own toggle would run ahead of the model: the model clicks, and presents.
    void nextCheckState() override {
        Guarded([&] { model_.RaiseClick(); });
        EventDelivered(*this);
        this->present();
    }

    M& model_;
};

class CheckBoxView : public ToggleView<QCheckBox, vb::CheckBox> {
public:
    using ToggleView::ToggleView;

protected:
    void refresh() override {
        setText(ToQString(model_.Caption()));
        setTristate(model_.Value() == vb::vbGrayed);
        setCheckState(model_.Value() == vb::vbChecked  ? Qt::Checked
                      : model_.Value() == vb::vbGrayed ? Qt::PartiallyChecked
                                                       : Qt::Unchecked);
    }
};

class OptionButtonView : public ToggleView<QRadioButton, vb::OptionButton> {
public:
    using ToggleView::ToggleView;

protected:
    void refresh() override {
        setText(ToQString(model_.Caption()));
        setChecked(model_.Value());
    }
};

class FrameView : public View<QGroupBox> {
public:
    FrameView(vb::Frame& frame, QWidget* parent) : View(frame, parent), frame_(frame) {}

protected:
    void refresh() override { setTitle(ToQString(frame_.Caption())); }

private:
    vb::Frame& frame_;
};

}  // namespace

ControlView* MakeCheckBoxView(vb::CheckBox& box, QWidget* parent) {
    return new CheckBoxView(box, parent);
}

ControlView* MakeOptionButtonView(vb::OptionButton& button, QWidget* parent) {
    return new OptionButtonView(button, parent);
}

ControlView* MakeFrameView(vb::Frame& frame, QWidget* parent) {
    return new FrameView(frame, parent);
}

}  // namespace qthost
