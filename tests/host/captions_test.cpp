// Texts longer than their control: a status-bar panel cuts its text at its edge, a
// command button wraps its caption onto more lines. A label with no text still draws.

#include <QImage>
#include <QPushButton>
#include <string>

#include "host/host_fixture.h"
#include "host/qt/units.h"
#include "platform/forms/bars.h"

namespace {

constexpr int kPanelTextIndent = 3;

// The first @p columns columns of @p a and @p b are alike.
bool SameColumns(const QImage& a, const QImage& b, int columns) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < columns; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

// The first visible panel (panel 2, the prompts) starts at the bar's left. The marquee's
// text, cut at the panel's edge, shows all that fits and a part of the next letter, with
// no ellipsis in place of the last ones.
TEST_F(HostTest, AStatusPanelCutsALongTextAtItsEdge) {
    QWidget& bar = widgetOf(form.StatusBar1);
    const QFontMetrics metrics = bar.fontMetrics();
    const int room = qthost::Px(form.StatusBar1.Panels(2).Width()) - 2 * kPanelTextIndent;
    const QString sentence = "Game over - Zoe wins with 2305 points. ";
    // The scroll position at which a letter, not a blank, crosses the edge well inside.
    QString marquee, fits;
    for (qsizetype from = 0; from < sentence.size() && marquee.isEmpty(); ++from) {
        QString text;
        while (text.size() < 155 + from) text += sentence;
        text = text.mid(from, 155);
        QString head = text;
        while (metrics.horizontalAdvance(head) > room) head.chop(1);
        const QChar next = text[head.size()];
        if (next != ' ' && room - metrics.horizontalAdvance(head) >= 3) marquee = text, fits = head;
    }
    ASSERT_FALSE(marquee.isEmpty());

    form.StatusBar1.Panels(2).setText(marquee.toStdString());
    const QImage cut = bar.grab().toImage();
    form.StatusBar1.Panels(2).setText(fits.toStdString());
    const QImage whole = bar.grab().toImage();
    const qreal ratio = cut.devicePixelRatio();
    const int shown = kPanelTextIndent + metrics.horizontalAdvance(fits) - 1;
    EXPECT_TRUE(SameColumns(cut, whole, static_cast<int>(shown * ratio)))
        << "the letters that fit are not all shown";
    EXPECT_FALSE(SameColumns(cut, whole, static_cast<int>((kPanelTextIndent + room) * ratio)))
        << "nothing of the letter at the edge shows";
}

// The rows of @p image that hold dark (text) pixels, from the first to the last, looking
// @p margin device pixels in from its edges.
int InkHeight(const QImage& image, int margin = 0) {
    int first = -1, last = -1;
    for (int y = margin; y < image.height() - margin; ++y)
        for (int x = margin; x < image.width() - margin; ++x)
            if (qGray(image.pixel(x, y)) < 64) {
                if (first < 0) first = y;
                last = y;
            }
    return first < 0 ? 0 : last - first + 1;
}

// The hand-over buttons are the game's own graphical ones; a standard button is made of
// one here.
TEST_F(HostTest, AButtonWrapsACaptionTooWideForIt) {
    vb::CommandButton& button = form.cmdShowNextBoard;
    button.setStyle(0);
    button.setVisible(true);
    button.setEnabled(true);
    button.setCaption("    Show      Zo\xC3\xAB's  Board");
    QWidget& shown = widgetOf(button);
    const QImage face = shown.grab().toImage();
    EXPECT_GT(InkHeight(face), shown.fontMetrics().height() * face.devicePixelRatio())
        << "the caption is on one line";
}

// A caption that fits looks just as the style's own button shows it.
TEST_F(HostTest, AButtonShowsACaptionThatFitsAsThePlainButtonDoes) {
    form.cmdNextPlayer.setStyle(0);
    QWidget& shown = widgetOf(form.cmdNextPlayer);
    QPushButton plain(QString::fromStdString(form.cmdNextPlayer.Caption()), shown.parentWidget());
    plain.setFont(shown.font());
    plain.setEnabled(shown.isEnabled());
    plain.setAutoDefault(false);
    plain.setGeometry(shown.geometry());
    EXPECT_EQ(shown.grab().toImage(), plain.grab().toImage());
}

// The hand-over button shows a long caption over its face on one line, made to fit.
TEST_F(HostTest, AHandOverButtonKeepsItsCaptionOnOneLine) {
    vb::CommandButton& button = form.cmdShowNextBoard;
    button.setVisible(true);
    button.setEnabled(true);
    button.setCaption("    Show      Maximiliane's  Board");
    QWidget& shown = widgetOf(button);
    const QImage face = shown.grab().toImage();
    const qreal ratio = face.devicePixelRatio();
    const int ink = InkHeight(face, static_cast<int>(4 * ratio));
    EXPECT_GT(ink, 0);
    EXPECT_LE(ink, shown.fontMetrics().height() * ratio) << "the caption is on more lines";
}

}  // namespace

namespace {

// A name from the settings reaches the title, the status bar and the buttons as the letters
// it is, and a text of megabytes reaches the window system cut to a length it takes.
TEST_F(HostTest, TitlesAndCaptionsAreUtf8AndCappedOnTheirWayToQt) {
    form.setCaption("Tolvarin - J\xC3\xBCrgen");
    form.StatusBar1.Panels(1).setText("J\xC3\xBCrgen");
    EXPECT_EQ(window().windowTitle(), QString::fromUtf8("Tolvarin - J\u00FCrgen"));
    EXPECT_EQ(qthost::ToQString("J\xFCrgen"), QString::fromUtf8("J\u00FCrgen"));  // not UTF-8
    form.setCaption(std::string(3'000'000, 'x') + "\xC3\xBC");
    EXPECT_EQ(window().windowTitle().size(), static_cast<qsizetype>(qthost::kLongestShownText));
    const std::string cutInside = std::string(qthost::kLongestShownText - 1, 'x') + "\xC3\xBC!";
    EXPECT_EQ(qthost::ToQString(cutInside).back(), QChar(0x00FC));
}

// A name typed in a text box is kept letter for letter, also beyond one byte a letter.
TEST(TypedText, EveryLetterTypedIsKept) {
    const QString typed = QString::fromUtf8("\u017Deljko \u00D8rsted \u65E5");
    EXPECT_EQ(qthost::FromQString(typed),
              "\xC5\xBD"
              "eljko \xC3\x98rsted \xE6\x97\xA5");
    EXPECT_EQ(qthost::ToQString(qthost::FromQString(typed)), typed);
}

// A label without a caption still shows its back colour and its border.
TEST_F(HostTest, AnEmptyLabelKeepsItsBackAndBorder) {
    vb::Label& label = form.lblOption(8);
    label.setCaption("");
    label.setBackStyle(1);
    label.setBackColor(0x0000FF);
    label.setBorderStyle(vb::vbFixedSingle);
    qthost::ControlView& view = viewOf(label);
    const QRect at = view.shownAt();
    const QImage image = view.holder().grab(at).toImage();
    const qreal ratio = image.devicePixelRatio();
    EXPECT_EQ(QColor(image.pixel(0, 0)), qthost::ToQColor(vb::vbWindowFrame));
    const QPoint middle(static_cast<int>(at.width() / 2 * ratio),
                        static_cast<int>(at.height() / 2 * ratio));
    EXPECT_EQ(QColor(image.pixel(middle)), QColor(Qt::red));
}

}  // namespace
