#pragma once
// The program's own help window: a help document in a read-only text browser, in a window
// of its own beside the program's windows. The program closes it (WinHelp's quit); the
// player's close box only hides it.

#include <QTextBrowser>
#include <QWidget>

#include "platform/forms/rich_text.h"

namespace qthost {

class HelpWindow : public QWidget {
public:
    HelpWindow();

    // Shows @p document from its start under @p title, beside @p owner when there is one.
    void showDocument(const QString& title, const vb::rtf::Document& document, QWidget* owner);
    QTextBrowser& browser() const { return *browser_; }

private:
    void placeBeside(const QWidget& owner);

    QTextBrowser* browser_;
};

}  // namespace qthost
