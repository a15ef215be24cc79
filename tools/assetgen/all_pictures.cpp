#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>
#include <string>

#include "tools/assetgen/pictures.h"

namespace assetgen {

// Resource names are matched without regard to case, so two pictures may not share a name
// in any case: the second would never be found.
Pictures AllPictures() {
    Pictures all;
    std::set<std::string> names;
    for (Pictures (*group)() : {DicePictures, RollAreaPictures, CounterPictures, SheetPictures,
                                HeaderPictures, WindowPictures, MenuPictures, ToolbarPictures})
        for (NamedPicture& p : group()) {
            std::string key = p.name;
            std::transform(key.begin(), key.end(), key.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (!names.insert(key).second)
                throw std::logic_error("two pictures are named " + p.name);
            all.push_back(std::move(p));
        }
    return all;
}

}  // namespace assetgen
