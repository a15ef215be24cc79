// A label: its caption in its font and colours, wrapped at words within its width, on its
// background colour when opaque and on whatever lies under it when transparent. A label
// with a fixed single border has a one-pixel dark line just inside its rectangle, and its
// text keeps clear of it. It has no window: its container draws it.

#include <QPainter>
#include <QPalette>
#include <QStyle>

#include "host/qt/units.h"
#include "host/qt/views.h"
#include "host/qt/windowless.h"

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

// The text is drawn as the style draws a word-wrapped plain-text label.
class LabelView : public WindowlessView {
public:
    LabelView(vb::Label& label, QWidget& holder) : WindowlessView(label, holder), label_(label) {}
    Layer layer() const override { return Layer::Labels; }
    // What its next paint shows.
    QString shownText() const override {
        return stale() ? WithoutMnemonics(label_.Caption()) : text_;
    }

protected:
    void refresh() override {
        text_ = WithoutMnemonics(label_.Caption());
        font_ = ToQFont(label_.Font());
    }

    void paint(QPainter& p, QSize size) override {
        const QRect r(QPoint(0, 0), size);
        if (label_.BackStyle() != 0) p.fillRect(r, ToQColor(label_.BackColor()));
        const int inset = bordered() ? 1 : 0;
        // An empty caption lays out nothing, though Qt would load its font to do so.
        if (!text_.isEmpty()) paintText(p, r.adjusted(inset, inset, -inset, -inset));
        if (!bordered()) return;
        // Filled edges stay one logical pixel wide, whole device pixels at any ratio.
        const QColor colour = ToQColor(kBorderColour);
        p.fillRect(r.left(), r.top(), r.width(), 1, colour);
        p.fillRect(r.left(), r.bottom(), r.width(), 1, colour);
        p.fillRect(r.left(), r.top(), 1, r.height(), colour);
        p.fillRect(r.right(), r.top(), 1, r.height(), colour);
    }

private:
    // A disabled label keeps the style's grey text.
    void paintText(QPainter& p, const QRect& r) {
        QPalette palette = holderPalette();
        for (auto group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::WindowText, ToQColor(label_.ForeColor()));
        const int flags =
            AlignmentOf(label_.Alignment()) | Qt::TextWordWrap | Qt::TextExpandTabs |
            (text_.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
        p.setFont(font_);
        holder().style()->drawItemText(&p, r, flags, palette, enabled(), text_,
                                       QPalette::WindowText);
    }

    bool bordered() const { return label_.BorderStyle() == vb::vbFixedSingle; }

    vb::Label& label_;
    QString text_;
    QFont font_;
};

}  // namespace

ControlView* MakeLabelView(vb::Label& label, QWidget* parent) {
    return new LabelView(label, *parent);
}

}  // namespace qthost
