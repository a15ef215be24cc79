#pragma once
// The height of the main window's sheet for the number of columns.

namespace Module1 {

// Sets the row-name panel's height and the ends of the rules beside and under it on the
// main window: the one-column sheet is shorter, having no Column Total row.
void AdjustBoardHeight();

}  // namespace Module1
