#include "host/qt/application_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>

namespace qthost {

namespace {

// A standard icon of @p style, asked of it when first painted or measured.
class IconOnFirstUse : public QIconEngine {
public:
    IconOnFirstUse(const QStyle& style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(p, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new IconOnFirstUse(style_, which_); }

private:
    const QIcon& icon() {
        if (icon_.isNull()) icon_ = style_.standardIcon(which_);
        return icon_;
    }

    const QStyle& style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
};

class ApplicationStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new IconOnFirstUse(*baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

QStyle* MakeApplicationStyle() {
    return new ApplicationStyle(QStyleFactory::create(QApplication::style()->name()));
}

}  // namespace qthost
