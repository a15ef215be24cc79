#include "platform/forms/printer.h"

#include <utility>

#include "platform/forms/host.h"
#include "platform/runtime/errors.h"

namespace vb {

namespace {

// Unlike a window, the printer has no handle of its own: one fixed value stands for it.
constexpr intptr_t kPrinterDC = 0x50524E;

}  // namespace

void PrinterObject::start() {
    if (open_) return;
    open_ = true;
    job_ = {DocumentTitle, {}};
}

void PrinterObject::Print(const std::string& text) {
    start();
    rtf::Paragraph line;
    if (!text.empty()) line.runs.push_back({text, {}});
    job_.content.paragraphs.push_back(std::move(line));
}

bool PrinterObject::IsDC(intptr_t hdc) { return hdc == kPrinterDC; }

intptr_t PrinterObject::hDC() {
    start();
    return kPrinterDC;
}

void PrinterObject::PrintDocument(const rtf::Document& document) {
    start();
    auto& all = job_.content.paragraphs;
    all.insert(all.end(), document.paragraphs.begin(), document.paragraphs.end());
}

void PrinterObject::EndDoc() {
    if (!open_) return;
    open_ = false;
    const PrintJob job = std::exchange(job_, {});
    const std::string failure = CurrentHost().print(job);
    if (!failure.empty()) throw RuntimeError(errPrinter, failure);
}

void PrinterObject::KillDoc() {
    open_ = false;
    job_ = {};
}

PrinterObject& Printer() {
    static PrinterObject printer;
    return printer;
}

}  // namespace vb
