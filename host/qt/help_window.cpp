#include "host/qt/help_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "host/qt/rich_text_document.h"

namespace qthost {

namespace {

constexpr int kWidthPx = 620;
constexpr int kHeightPx = 560;
constexpr int kGapPx = 12;
constexpr int kNarrowestPx = 400;

}  // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
    browser_->setReadOnly(true);
    browser_->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(kWidthPx, kHeightPx);
}

// The window stands beside the program's window, to its right or else to its left, and
// narrows to the room there; only a screen with no room at either side puts it over the
// window. The game stays in sight while the player reads. It is never taller than the
// screen and never reaches below it, so that its whole frame stays in reach.
void HelpWindow::showDocument(const QString& title, const vb::rtf::Document& document,
                              QWidget* owner) {
    setWindowTitle(title);
    FillTextDocument(*browser_->document(), document, Medium::Screen);
    browser_->moveCursor(QTextCursor::Start);
    if (owner && !isVisible()) placeBeside(*owner);
    show();
    raise();
    activateWindow();
}

void HelpWindow::placeBeside(const QWidget& owner) {
    const QRect frame = owner.frameGeometry();
    const QScreen* screen = owner.screen() ? owner.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const int decoration = frame.height() - owner.height();
    const int tall = std::max(1, std::min(kHeightPx, room.height() - decoration));
    const int top = std::clamp(frame.top(), room.top(), room.bottom() + 1 - tall - decoration);
    const int right = room.right() - frame.right() - kGapPx;
    const int left = frame.left() - room.left() - kGapPx;
    if (right >= kNarrowestPx) {
        resize(std::min(kWidthPx, right), tall);
        move(frame.right() + kGapPx, top);
    } else if (left >= kNarrowestPx) {
        resize(std::min(kWidthPx, left), tall);
        move(frame.left() - kGapPx - width(), top);
    } else {
        resize(kWidthPx, tall);
        move(std::max(room.left(), room.right() - kWidthPx), top);
    }
}

}  // namespace qthost
