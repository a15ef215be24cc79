#pragma once
/// @file
/// The runtime's Printer object: what the program prints between the start of a document
/// and EndDoc goes to the window layer as one job, which prints it on the default printer.

#include <cstdint>
#include <string>

#include "platform/forms/rich_text.h"

namespace vb {

/// A print job as the host receives it: its title and everything printed, in order.
struct PrintJob {
    std::string title;
    rtf::Document content;
};

class PrinterObject {
public:
    /// Prints @p text as a line of its own, starting a document when none is open.
    void Print(const std::string& text);
    /// The printer's device context; asking for it starts a document when none is open.
    /// Passed to RichTextBox::SelPrint, it prints the box's document into this job.
    intptr_t hDC();
    /// Whether @p hdc is the printer's device context.
    static bool IsDC(intptr_t hdc);
    /// Adds @p document to the open job (RichTextBox::SelPrint calls this).
    void PrintDocument(const rtf::Document& document);
    /// Ends the document and hands the job to the host, which prints it at once. Raises
    /// run-time error 482 with the host's reason when it could not be printed; the job is
    /// over either way. Nothing happens when no document is open.
    void EndDoc();
    /// Drops the open document unprinted.
    void KillDoc();
    /// Whether a document is open.
    bool Printing() const { return open_; }
    /// The title the next job gets.
    std::string DocumentTitle = "Tolvarin";

private:
    void start();

    bool open_ = false;
    PrintJob job_;
};

/// The program's printer.
PrinterObject& Printer();

}  // namespace vb
