// The desktop's services for the program: printing a job through the print library, on
// the default printer or into a PDF file the tests name; opening web and mail links with
// the desktop's own handlers; and the help window.

#include <QDesktopServices>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>
#include <filesystem>

#include "host/qt/form_window.h"
#include "host/qt/help_window.h"
#include "host/qt/print/print_module.h"
#include "host/qt/qt_host.h"
#include "host/qt/rich_text_document.h"
#include "host/qt/units.h"
#include "platform/forms/printer.h"
#include "platform/forms/rich_text.h"
#include "platform/runtime/app.h"
#include "platform/runtime/library_entry.h"

namespace qthost {

namespace {

// The print library's entry, loaded with the first job; null, with the reason on stderr,
// when it cannot be loaded.
PrintDocumentEntry PrintLibrary() {
    static const PrintDocumentEntry entry = [] {
        const std::string path =
            (std::filesystem::path(vb::App().Path) / PRINT_LIBRARY_FILE).string();
        std::string why;
        const auto found =
            reinterpret_cast<PrintDocumentEntry>(vb::LibraryEntry(path, kPrintDocumentEntry, why));
        if (!found) std::fprintf(stderr, "Tolvarin: no printing (%s)\n", why.c_str());
        return found;
    }();
    return entry;
}

}  // namespace

std::string QtHost::print(const vb::PrintJob& job) {
    const PrintDocumentEntry printDocument = PrintLibrary();
    if (!printDocument) return "The printer could not print.";
    QTextDocument document;
    FillTextDocument(document, job.content, Medium::Paper);
    const QString title = ToQString(job.title);
    return printDocument(&document, &title, &printFile_);
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
