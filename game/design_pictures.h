#pragma once
// The main window's pictures as it is designed, from the program's resources.

class frmTolvarin;

// Gives every picture control of the window its designed picture: the dice faces, the roll
// area's looks and lamps, the score counter's digits and background, the cell buttons'
// pictures and the arrows at the counter.
void LoadDesignPictures(frmTolvarin& f);
