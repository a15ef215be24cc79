#include "host/qt/print/print_module.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <type_traits>

// Screen resolution keeps the document's pixel lengths (indents, spacing) in proportion
// on paper; the text itself is laid out in points.
extern "C" const char* TolvarinPrintDocument(QTextDocument* document, const QString* title,
                                             const QString* pdf) {
    QPrinter printer(QPrinter::ScreenResolution);
    if (!pdf->isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*pdf);
    } else {
        const QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull()) return "There is no printer to print on.";
        printer.setPrinterName(target.printerName());
    }
    printer.setDocName(*title);
    document->print(&printer);
    if (printer.printerState() == QPrinter::Error) return "The printer could not print.";
    return "";
}

// The program calls it through this type.
static_assert(std::is_same_v<decltype(&TolvarinPrintDocument), qthost::PrintDocumentEntry>);
