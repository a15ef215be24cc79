#pragma once
// Every picture the windows show or copy, each drawn at 1x with its 2x twin, under
// the resource name the window's design loads it by. Sizes are the controls' sizes in
// pixels (15 twips a pixel).

#include <string>
#include <vector>

#include "platform/gdi/bitmap.h"

namespace assetgen {

struct NamedPicture {
    std::string name;
    gdi::Bitmap picture;  // with its twin
};
using Pictures = std::vector<NamedPicture>;

// The six faces of a free die ("die1".."die6") and of a held die ("held1".."held6").
Pictures DicePictures();
// The roll area's looks ("roll", "rollpressed", "rolloff") and its lamps ("lamplit",
// "lampdark").
Pictures RollAreaPictures();
// The score counter: "digit0".."digit9", "minus" and the blank "counter".
Pictures CounterPictures();
// The cell buttons' picture "cellbutton", the one-column row pictures "row0".."row12"
// and their lit looks "rowlit0".."rowlit12", the arrow at the counter, "arrow", and the
// hand-over buttons' faces "handover" and "handoveroff".
Pictures SheetPictures();
// The top-scores list's column header icons: "hdrname", "hdrdate", "hdrscore", "hdrplace".
Pictures HeaderPictures();
// The windows' own pictures: the splash window's "splash" (378 x 210), the welcome
// dialog's "welcome" (150 x 254) and the about box's banner "aboutbanner" (314 x 120).
Pictures WindowPictures();
// The menu items' pictures with their masks ("new" and "newmask" ... "CHECK" and
// "checkmask"), the menus' and toolbar's tiled background "menuback" and the windows'
// icon "appicon".
Pictures MenuPictures();
// The toolbar's ten pictures "tool1".."tool10", on the grey 192 that is transparent.
Pictures ToolbarPictures();

Pictures AllPictures();

}  // namespace assetgen
