// The status bar and the toolbar. Both keep to the edge of the window they are aligned to,
// across its whole width: the status bar to the bottom, the toolbar to the top. The status
// bar shows its visible panels side by side at their widths, a spring panel taking what
// room is left; the toolbar shows a tool button per button with its picture from the image
// list (the list's mask colour transparent, greyed while disabled; its key when it has no
// picture) and a gap for each separator, over the background its inner window paints.

#include <qdrawutil.h>

#include <QAction>
#include <QFontMetricsF>
#include <QIcon>
#include <QLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "host/qt/failure.h"
#include "host/qt/form_window.h"
#include "host/qt/owner_draw.h"
#include "host/qt/picture_icon.h"
#include "host/qt/units.h"
#include "host/qt/views.h"
#include "platform/forms/form_windows.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/colours.h"
#include "platform/gdi/dc.h"

namespace qthost {

namespace {

constexpr int kPanelGap = 2;
constexpr int kTextIndent = 3;
constexpr int16_t kSpring = 1;
constexpr int kNamePadding = 8;
constexpr int kPictureSide = 22;

class StatusBarView : public View<QWidget> {
public:
    StatusBarView(vb::StatusBar& bar, QWidget* parent) : View(bar, parent), bar_(bar) {
        setFont(ToQFont(vb::Font{}));
        // It paints every pixel it is asked for: nothing under it need be painted first, as
        // when the clock ticks.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QRect placement() const override {
        const int height = Px(bar_.Height());
        const QWidget* parent = parentWidget();
        return {0, parent->height() - height, parent->width(), height};
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        p.fillRect(e->rect(), palette().color(QPalette::Window));
        const std::vector<QRect> panels = panelRects();
        int n = 0;
        for (int16_t i = 1; i <= bar_.PanelCount(); ++i) {
            const vb::Panel& panel = bar_.Panels(i);
            if (!panel.Visible()) continue;
            const QRect area = panels[static_cast<size_t>(n++)];
            if (!e->rect().intersects(area)) continue;
            qDrawShadePanel(&p, area, palette(), true, 1);
            // The text is drawn at its baseline, without a layout (the clock's panel is
            // painted every second), and one too long for its panel is cut at the panel's
            // edge, as the game-over marquee expects: it scrolls its text through the panel.
            const QRect inside = area.adjusted(kTextIndent, 1, -kTextIndent, -1);
            p.setClipRect(inside);
            p.drawText(QPointF(inside.left(), inside.top() + baselineOffset(inside.height())),
                       ToQString(panel.Text()));
            p.setClipping(false);
        }
    }

    // Only the panels whose text or place changed are painted again: the clock's panel
    // changes every second, and the rest of the bar need not be painted for it.
    void repaintChanged() override {
        std::vector<std::pair<QRect, std::string>> now = panelsNow();
        if (now.size() != shown_.size()) update();
        for (size_t k = 0; k < now.size() && now.size() == shown_.size(); ++k)
            if (now[k] != shown_[k]) update(now[k].first.united(shown_[k].first));
        shown_ = std::move(now);
    }

    // A new size paints the whole bar, so the next change compares with the panels at it.
    void resizeEvent(QResizeEvent* e) override {
        View::resizeEvent(e);
        shown_ = panelsNow();
    }

private:
    // From the top of a line of the given height to the baseline of text centred in it.
    qreal baselineOffset(int height) const {
        const QFontMetricsF metrics(font());
        return (height - metrics.height()) / 2 + metrics.ascent();
    }

    // Each visible panel's place and text.
    std::vector<std::pair<QRect, std::string>> panelsNow() const {
        std::vector<std::pair<QRect, std::string>> now;
        const std::vector<QRect> rects = panelRects();
        for (int16_t i = 1, n = 0; i <= bar_.PanelCount(); ++i)
            if (bar_.Panels(i).Visible())
                now.emplace_back(rects[static_cast<size_t>(n++)], bar_.Panels(i).Text());
        return now;
    }

    // The visible panels from the left, a gap between each two; spring panels share the
    // room the others leave. A panel that would run past the bar's end is cut short, its
    // edge drawn at the end.
    std::vector<QRect> panelRects() const {
        int fixed = 0, springs = 0;
        for (int16_t i = 1; i <= bar_.PanelCount(); ++i) {
            const vb::Panel& panel = bar_.Panels(i);
            if (!panel.Visible()) continue;
            if (panel.AutoSize() == kSpring) ++springs;
            fixed += (panel.AutoSize() == kSpring ? 0 : Px(panel.Width())) + kPanelGap;
        }
        const int spare = springs ? std::max(0, width() - fixed) / springs : 0;
        std::vector<QRect> rects;
        int x = 0;
        for (int16_t i = 1; i <= bar_.PanelCount(); ++i) {
            const vb::Panel& panel = bar_.Panels(i);
            if (!panel.Visible()) continue;
            const int w = panel.AutoSize() == kSpring ? spare : Px(panel.Width());
            rects.emplace_back(x, kPanelGap, std::max(0, std::min(w, width() - x)),
                               height() - kPanelGap);
            x += w + kPanelGap;
        }
        return rects;
    }

    vb::StatusBar& bar_;
    std::vector<std::pair<QRect, std::string>> shown_;  // each panel's place and text
};

// The key names a button that has no picture: "tbUndo" shows "Undo".
QString KeyText(const std::string& key) {
    const bool prefixed = key.size() > 2 && key.compare(0, 2, "tb") == 0;
    return ToQString(prefixed ? key.substr(2) : key);
}

class ToolbarView : public View<QToolBar> {
public:
    ToolbarView(vb::Toolbar& bar, QWidget* parent) : View(bar, parent), bar_(bar) {
        setMovable(false);
        setFloatable(false);
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        setIconSize(QSize(kPictureSide, kPictureSide));
        setFont(ToQFont(vb::Font{}));
        setContentsMargins(0, 0, 0, 0);
        layout()->setSpacing(0);
    }

    QRect placement() const override { return {0, 0, parentWidget()->width(), Px(bar_.Height())}; }

protected:
    void refresh() override {
        if (actions().size() != bar_.ButtonCount()) rebuild();
        const QList<QAction*> all = actions();
        for (int16_t i = 1; i <= bar_.ButtonCount(); ++i) {
            const vb::ToolbarButton& button = bar_.Buttons(i);
            QAction* action = all[i - 1];
            action->setVisible(button.Visible());
            action->setEnabled(button.Enabled());
            action->setToolTip(ToQString(button.ToolTipText()));
            showPicture(*action, button);
        }
    }

    // The background is the inner window's to paint (WM_ERASEBKGND).
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Button));
        const win::HWND inner = vb::InnerWindowOf(bar_);
        if (!inner) return;
        const win::HDC dc = win::GetDC(inner);
        if (win::SendMessageA(inner, win::WM_ERASEBKGND, static_cast<win::WPARAM>(dc), 0) != 0)
            if (const gdi::Bitmap* pixels = gdi::SelectedBitmap(dc))
                p.drawImage(0, 0, SharpImage(*pixels, devicePixelRatioF()));
        win::ReleaseDC(inner, dc);
    }

private:
    void showPicture(QAction& action, const vb::ToolbarButton& button) {
        const vb::ImageList* list = bar_.ImageList();
        const bool pictured = list && button.Image() >= 1 && button.Image() <= list->Count();
        action.setIcon(pictured ? PictureIcon(list->ListImages(button.Image()), list->MaskColor())
                                : QIcon());
        action.setText(KeyText(button.Key()));
        if (QWidget* shown = widgetForAction(&action))
            shown->setMinimumWidth(
                pictured ? 0
                         : shown->fontMetrics().horizontalAdvance(action.text()) + kNamePadding);
        const Qt::ToolButtonStyle look = pictured ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly;
        if (auto* tool = qobject_cast<QToolButton*>(widgetForAction(&action)))
            tool->setToolButtonStyle(look);
    }

    void rebuild() {
        clear();
        for (int16_t i = 1; i <= bar_.ButtonCount(); ++i) {
            vb::ToolbarButton& button = bar_.Buttons(i);
            if (button.Style() == vb::tbrSeparator) {
                addSeparator();
                continue;
            }
            QAction* action = addAction(KeyText(button.Key()));
            connect(action, &QAction::triggered, this, [this, i] {
                Guarded([&] { bar_.RaiseButtonClick(bar_.Buttons(i)); });
                EventDelivered(*this);
            });
        }
    }

    vb::Toolbar& bar_;
};

}  // namespace

ControlView* MakeStatusBarView(vb::StatusBar& bar, QWidget* parent) {
    return new StatusBarView(bar, parent);
}

ControlView* MakeToolbarView(vb::Toolbar& bar, QWidget* parent) {
    return new ToolbarView(bar, parent);
}

}  // namespace qthost
