#pragma once
// Where the pips of each face of a die lie: steps of a third of the die's side (or of the
// drawing's pip offset) from its centre, across and down.

#include <array>
#include <utility>
#include <vector>

namespace assetgen {

using Pips = std::vector<std::pair<int, int>>;
inline const std::array<Pips, 6> kFaces = {{
    {{0, 0}},
    {{-1, -1}, {1, 1}},
    {{-1, -1}, {0, 0}, {1, 1}},
    {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}},
    {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}},
    {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}},
}};

}  // namespace assetgen
