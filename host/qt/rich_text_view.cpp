// A rich-text box: its document in a read-only text browser on the box's background
// colour, from its top, scrolled by the wheel or its scroll bar. Links in the text are not
// followed.

#include <QPalette>
#include <QTextBrowser>

#include "host/qt/rich_text_document.h"
#include "host/qt/units.h"
#include "host/qt/views.h"

namespace qthost {

namespace {

class RichTextView : public View<QTextBrowser> {
public:
    RichTextView(vb::RichTextBox& box, QWidget* parent) : View(box, parent), box_(box) {
        setReadOnly(true);
        setOpenLinks(false);
        setUndoRedoEnabled(false);
        setFrameShape(QFrame::StyledPanel);
    }

protected:
    void refresh() override {
        QPalette p = palette();
        p.setColor(QPalette::Base, ToQColor(box_.BackColor()));
        setPalette(p);
        if (shown_ == box_.TextRTF() && filled_) return;
        FillTextDocument(*document(), box_.Document(), Medium::Screen);
        moveCursor(QTextCursor::Start);  // a new document is read from its top
        shown_ = box_.TextRTF();
        filled_ = true;
    }

private:
    vb::RichTextBox& box_;
    std::string shown_;
    bool filled_ = false;
};

}  // namespace

ControlView* MakeRichTextView(vb::RichTextBox& box, QWidget* parent) {
    return new RichTextView(box, parent);
}

}  // namespace qthost
