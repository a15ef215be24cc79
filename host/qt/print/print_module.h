// The print library: Qt's printing and the printer system it brings (CUPS and the many
// libraries that come with it) are a library of their own beside the program, loaded
// with the first print job, so that none of them is loaded at start.
#pragma once

class QString;
class QTextDocument;

namespace qthost {

// Prints @p document under the job name @p title on the default printer, or into the PDF
// file @p pdf when that is not empty; returns "" when printed, else why not.
using PrintDocumentEntry = const char* (*)(QTextDocument* document, const QString* title,
                                           const QString* pdf);
inline constexpr char kPrintDocumentEntry[] = "TolvarinPrintDocument";

}  // namespace qthost
