#pragma once
// The score sheet as plain text, one line per row: the row's name, its cell in Down, Up,
// Rand and Oblg, and its hint value; then the three total rows and the grand total. An
// empty caption prints as ".", so an open cell and a cell holding "0" differ. Tests and the
// script driver compare whole sheets with it.
//
//                   Down    Up  Rand  Oblg  Hint
//   Ones               3     .     .     .     .
//   ...
//   Sub Total          3     .     .     .
//   (Max-Min)xOnes     .     .     .     .
//   Column Total       3     .     .     .
//   Grand Total        3

#include <string>

class frmTolvarin;

std::string SheetText(const frmTolvarin& form);
