#include "host/qt/rich_text_document.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include "host/qt/units.h"

namespace qthost {

namespace {

// A bullet hangs this far left of its paragraph's text when the document gives no hang.
constexpr int kBulletHangPx = 14;

QColor TextColour(vb::rtf::Colour stored, Medium medium) {
    const QColor colour = ToQColor(stored);
    if (medium == Medium::Paper && colour.lightnessF() > 0.6) return Qt::black;
    return colour;
}

Qt::Alignment AlignmentOf(vb::rtf::Align align) {
    switch (align) {
        case vb::rtf::Align::Centre:
            return Qt::AlignHCenter;
        case vb::rtf::Align::Right:
            return Qt::AlignRight;
        case vb::rtf::Align::Justify:
            return Qt::AlignJustify;
        default:
            return Qt::AlignLeft;
    }
}

QTextBlockFormat BlockFormat(const vb::rtf::Paragraph& p) {
    QTextBlockFormat block;
    block.setAlignment(AlignmentOf(p.align));
    block.setLeftMargin(p.leftIndent / static_cast<double>(kTwipsPerPixel));
    block.setRightMargin(p.rightIndent / static_cast<double>(kTwipsPerPixel));
    int first = p.firstIndent / kTwipsPerPixel;
    if (p.bullet && first == 0) first = -kBulletHangPx;
    block.setTextIndent(first);
    block.setTopMargin(p.spaceBefore / static_cast<double>(kTwipsPerPixel));
    block.setBottomMargin(p.spaceAfter / static_cast<double>(kTwipsPerPixel));
    return block;
}

QTextCharFormat CharFormat(const vb::rtf::CharFormat& f, Medium medium) {
    QTextCharFormat format;
    QFont font;
    if (!f.font.empty()) font.setFamily(QString::fromUtf8(f.font.c_str()));
    font.setPointSizeF(f.halfPoints / 2.0);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    format.setFont(font);
    format.setForeground(TextColour(f.colour, medium));
    return format;
}

}  // namespace

void FillTextDocument(QTextDocument& target, const vb::rtf::Document& document, Medium medium) {
    target.clear();
    target.setDocumentMargin(8);
    QTextCursor cursor(&target);
    bool first = true;
    for (const vb::rtf::Paragraph& p : document.paragraphs) {
        if (first)
            cursor.setBlockFormat(BlockFormat(p));
        else
            cursor.insertBlock(BlockFormat(p));
        first = false;
        if (p.bullet) {
            const vb::rtf::CharFormat look =
                p.runs.empty() ? vb::rtf::CharFormat{} : p.runs[0].format;
            cursor.insertText(QString(QChar(0x2022)) + QChar(0x2002), CharFormat(look, medium));
        }
        for (const vb::rtf::Run& run : p.runs) {
            QString text = QString::fromUtf8(run.text.c_str());
            text.replace(QChar('\n'), QChar::LineSeparator);
            cursor.insertText(text, CharFormat(run.format, medium));
        }
    }
}

}  // namespace qthost
