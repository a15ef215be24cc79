// The desktop's services for the program: printing a job on the default printer (or into
// a PDF file the tests name), opening web and mail links with the desktop's own handlers,
// and the help window.

#include <QDesktopServices>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QUrl>

#include "host/qt/form_window.h"
#include "host/qt/help_window.h"
#include "host/qt/qt_host.h"
#include "host/qt/rich_text_document.h"
#include "host/qt/units.h"
#include "platform/forms/printer.h"
#include "platform/forms/rich_text.h"

namespace qthost {

// Screen resolution keeps the document's pixel lengths (indents, spacing) in proportion
// on paper; the text itself is laid out in points.
std::string QtHost::print(const vb::PrintJob& job) {
    QPrinter printer(QPrinter::ScreenResolution);
    if (!printFile_.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile_);
    } else {
        const QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull()) return "There is no printer to print on.";
        printer.setPrinterName(target.printerName());
    }
    printer.setDocName(ToQString(job.title));
    QTextDocument document;
    FillTextDocument(document, job.content, Medium::Paper);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) return "The printer could not print.";
    return "";
}

// Only web and mail links come here (ShellExecuteA checks); the desktop's handler opens
// them, without a shell in between.
bool QtHost::openTarget(const std::string& target) {
    const QUrl url(QString::fromLatin1(target.c_str()), QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void QtHost::showHelp(const std::string& title, const vb::rtf::Document& document, intptr_t owner) {
    if (!help_) help_ = std::make_unique<HelpWindow>();
    QWidget* over = nullptr;
    for (const auto& [form, window] : windows_)
        if (window->formHandle() == owner && window->isVisible()) over = window.get();
    help_->showDocument(ToQString(title), document, over);
}

void QtHost::closeHelp() {
    if (help_) help_->hide();
    help_.reset();
}

}  // namespace qthost
