#pragma once
// A rich-text document of the forms model as a QTextDocument: for the rich-text box, the
// help window and the printer.

#include <QTextDocument>

#include "platform/forms/rich_text.h"

namespace qthost {

// For the screen the document keeps its colours; on paper, text too light to read on
// white (written for a dark box) is printed black.
enum class Medium { Screen, Paper };

// Replaces what @p target holds with @p document. Lengths in twips become pixels at 96 dpi
// and font sizes stay in points.
void FillTextDocument(QTextDocument& target, const vb::rtf::Document& document, Medium medium);

}  // namespace qthost
