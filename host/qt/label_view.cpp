// A label: its caption in its font and colours, wrapped at words within its width, on its
// background colour when opaque and on whatever lies under it when transparent. A label
// with a fixed single border has a one-pixel dark line just inside its rectangle, and its
// text keeps clear of it.

#include <QLabel>
#include <QPainter>
#include <QPalette>

#include "host/qt/units.h"
#include "host/qt/views.h"

namespace qthost {

namespace {

constexpr vb::OleColor kBorderColour = vb::vbWindowFrame;

Qt::Alignment AlignmentOf(int16_t alignment) {
    switch (alignment) {
        case vb::vbRightJustify:
            return Qt::AlignRight | Qt::AlignTop;
        case vb::vbCenter:
            return Qt::AlignHCenter | Qt::AlignTop;
        default:
            return Qt::AlignLeft | Qt::AlignTop;
    }
}

class LabelView : public View<QLabel> {
public:
    LabelView(vb::Label& label, QWidget* parent) : View(label, parent), label_(label) {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setMargin(0);
        setIndent(0);
    }
    Layer layer() const override { return Layer::Labels; }

protected:
    // A disabled label keeps the style's grey text.
    void refresh() override {
        setText(WithoutMnemonics(label_.Caption()));
        setAlignment(AlignmentOf(label_.Alignment()));
        setFont(ToQFont(label_.Font()));
        QPalette p = palette();
        for (auto group : {QPalette::Active, QPalette::Inactive})
            p.setColor(group, QPalette::WindowText, ToQColor(label_.ForeColor()));
        p.setColor(QPalette::Window, ToQColor(label_.BackColor()));
        setPalette(p);
        setAutoFillBackground(label_.BackStyle() != 0);
        const int inset = bordered() ? 1 : 0;
        setContentsMargins(inset, inset, inset, inset);
    }

    void paintEvent(QPaintEvent* e) override {
        QLabel::paintEvent(e);
        if (!bordered()) return;
        // Filled edges stay one logical pixel wide, whole device pixels at any ratio.
        QPainter p(this);
        const QColor colour = ToQColor(kBorderColour);
        const QRect r = rect();
        p.fillRect(r.left(), r.top(), r.width(), 1, colour);
        p.fillRect(r.left(), r.bottom(), r.width(), 1, colour);
        p.fillRect(r.left(), r.top(), 1, r.height(), colour);
        p.fillRect(r.right(), r.top(), 1, r.height(), colour);
    }

private:
    bool bordered() const { return label_.BorderStyle() == vb::vbFixedSingle; }

    vb::Label& label_;
};

}  // namespace

ControlView* MakeLabelView(vb::Label& label, QWidget* parent) {
    return new LabelView(label, parent);
}

}  // namespace qthost
