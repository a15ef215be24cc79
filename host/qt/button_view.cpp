// A command button. A standard one is the style's push button with the caption; a
// graphical one shows its Picture (DisabledPicture while disabled) on its back colour,
// centred above the caption (its 2x twin on a screen of two device pixels to a pixel), in
// a raised edge that sinks while the button is held down. A caption too wide for the
// button wraps at its blanks onto more lines, centred. A graphical button whose picture is
// its whole face shows its caption over the picture, on one line (runs of blanks as one,
// the font made smaller as far as needed), and sinks by a pixel while held down. A button with the
// keyboard focus is pressed by Space (on release) and by Enter.

#include <qdrawutil.h>

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

#include "host/qt/failure.h"
#include "host/qt/form_window.h"
#include "host/qt/units.h"
#include "host/qt/views.h"
#include "platform/gdi/bitmap.h"

namespace qthost {

namespace {

constexpr int16_t kGraphical = 1;
constexpr int kEdge = 1;
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextShowMnemonic;
constexpr int kFacePadding = 4;
constexpr int kSmallestCaptionPx = 8;

class ButtonView : public View<QPushButton> {
public:
    ButtonView(vb::CommandButton& button, QWidget* parent) : View(button, parent), button_(button) {
        setAutoDefault(false);
    }
    bool takesFocus() const override { return true; }

protected:
    void refresh() override {
        setText(ToQString(button_.Caption()));
        setFont(ToQFont(button_.Font()));
    }

    void paintEvent(QPaintEvent* e) override {
        if (button_.Style() != kGraphical) {
            paintStandard(e);
            return;
        }
        QPainter p(this);
        p.fillRect(rect(), ToQColor(button_.BackColor()));
        const vb::Picture& picture = isEnabled() ? button_.Picture() : button_.DisabledPicture();
        if (!text().isEmpty() && isFace(picture)) {
            paintFace(p, picture);
            return;
        }
        int textTop = 0;
        if (const auto& bitmap = picture.bitmap()) {
            const QImage image = SharpImage(*bitmap, devicePixelRatioF());
            const QSize size(bitmap->width(), bitmap->height());
            const int shift = isDown() ? 1 : 0;
            const int top = text().isEmpty() ? (height() - size.height()) / 2 : kEdge;
            p.drawImage(QPoint((width() - size.width()) / 2 + shift, top + shift), image);
            textTop = top + size.height();
        }
        if (!text().isEmpty()) {
            p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::ButtonText));
            p.drawText(rect().adjusted(0, textTop, 0, 0), kCaptionFlags | Qt::TextWordWrap, text());
        }
        qDrawShadePanel(&p, rect(), palette(), isDown(), kEdge);
    }

    // Alt and the caption's marked letter press the button, as a click does.
    bool event(QEvent* e) override {
        if (e->type() != QEvent::Shortcut) return QPushButton::event(e);
        press();
        return true;
    }

    void keyPressEvent(QKeyEvent* e) override {
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (!enter || e->isAutoRepeat()) {
            QPushButton::keyPressEvent(e);
            return;
        }
        e->accept();
        press();
    }

    // Space held down shows the button down; its release is the click.
    void keyReleaseEvent(QKeyEvent* e) override {
        if (e->key() != Qt::Key_Space || e->isAutoRepeat() || !isDown()) {
            QPushButton::keyReleaseEvent(e);
            return;
        }
        e->accept();
        setDown(false);
        press();
    }

private:
    bool isFace(const vb::Picture& picture) const {
        const auto& bitmap = picture.bitmap();
        return bitmap && bitmap->width() >= width() && bitmap->height() >= height();
    }

    void paintFace(QPainter& p, const vb::Picture& picture) {
        const int shift = isDown() ? 1 : 0;
        p.drawImage(QPoint(shift, shift), SharpImage(*picture.bitmap(), devicePixelRatioF()));
        const QString caption = text().simplified();
        QFont face = font();
        const int room = width() - 2 * kFacePadding;
        while (QFontMetrics(face).horizontalAdvance(caption) > room &&
               face.pixelSize() > kSmallestCaptionPx)
            face.setPixelSize(face.pixelSize() - 1);
        p.setFont(face);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        p.drawText(rect().translated(shift, shift), kCaptionFlags | Qt::TextSingleLine, caption);
    }

    void press() {
        Guarded([&] { button_.RaiseClick(); });
        EventDelivered(*this);
    }

    // A caption that fits shows as the style draws it; a longer one is wrapped over the
    // style's bare button.
    void paintStandard(QPaintEvent* e) {
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        if (fontMetrics().boundingRect(inside, kCaptionFlags, text()).width() <= inside.width()) {
            QPushButton::paintEvent(e);
            return;
        }
        option.text.clear();
        QPainter p(this);
        style()->drawControl(QStyle::CE_PushButton, &option, &p, this);
        p.setPen(option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                      QPalette::ButtonText));
        p.drawText(inside, kCaptionFlags | Qt::TextWordWrap, text());
    }

    vb::CommandButton& button_;
};

}  // namespace

ControlView* MakeButtonView(vb::CommandButton& button, QWidget* parent) {
    return new ButtonView(button, parent);
}

}  // namespace qthost
