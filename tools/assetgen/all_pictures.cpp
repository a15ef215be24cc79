#include "tools/assetgen/pictures.h"

namespace assetgen {

Pictures AllPictures() {
    Pictures all;
    for (Pictures (*group)() : {DicePictures, RollAreaPictures, CounterPictures, SheetPictures,
                                 MenuPictures, ToolbarPictures})
        for (NamedPicture& p : group()) all.push_back(std::move(p));
    return all;
}

}  // namespace assetgen
