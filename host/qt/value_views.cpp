// Text boxes and sliders: the player's edits and drags reach the model as the text's
// Change and the slider's Scroll and Change; a value set by the program comes back to the
// widget without raising them again (the model raised them already).

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "host/qt/failure.h"
#include "host/qt/form_window.h"
#include "host/qt/units.h"
#include "host/qt/views.h"
#include "platform/forms/slider.h"
#include "platform/forms/text_box.h"

namespace qthost {

namespace {

class TextBoxView : public View<QLineEdit> {
public:
    TextBoxView(vb::TextBox& box, QWidget* parent) : View(box, parent), box_(box) {
        QObject::connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
            Guarded([&] { box_.RaiseEdited(FromQString(text)); });
            EventDelivered(*this);
        });
    }
    bool takesFocus() const override { return true; }

protected:
    // Only a text that differs is put back, so that the caret stays where the player is.
    void refresh() override {
        const QString text = ToQString(box_.Text());
        if (QLineEdit::text() == text) return;
        const QSignalBlocker quiet(this);
        setText(text);
    }

private:
    vb::TextBox& box_;
};

// A horizontal slider with its ticks below, as the model's range and tick frequency say.
class SliderView : public View<QSlider> {
public:
    SliderView(vb::Slider& slider, QWidget* parent) : View(slider, parent), slider_(slider) {
        setOrientation(Qt::Horizontal);
        setTickPosition(QSlider::TicksBelow);
        QObject::connect(this, &QSlider::valueChanged, this, [this](int value) {
            Guarded([&] { slider_.RaiseScroll(value); });
            EventDelivered(*this);
            refresh();  // the model may have kept another value
        });
    }
    bool takesFocus() const override { return true; }

protected:
    void refresh() override {
        const QSignalBlocker quiet(this);
        setRange(slider_.Min(), slider_.Max());
        setTickInterval(slider_.TickFrequency());
        setPageStep(std::max(1, slider_.TickFrequency()));
        setValue(slider_.Value());
    }

private:
    vb::Slider& slider_;
};

}  // namespace

ControlView* MakeTextBoxView(vb::TextBox& box, QWidget* parent) {
    return new TextBoxView(box, parent);
}

ControlView* MakeSliderView(vb::Slider& slider, QWidget* parent) {
    return new SliderView(slider, parent);
}

}  // namespace qthost
