#include "platform/user32/cursors.h"

#include <map>

#include "platform/files/atomic_file.h"
#include "platform/files/paths.h"
#include "platform/runtime/errors.h"

namespace win {
namespace {

struct Cursors {
    std::map<HCURSOR, std::shared_ptr<const CursorImage>> loaded;
    HCURSOR next = 0x10000;
    HCURSOR classCursor = kArrowCursor;
};

Cursors& State() {
    static Cursors state;
    return state;
}

}  // namespace

HCURSOR LoadCursorFromFileA(const char* path) {
    if (!path) return 0;
    std::vector<uint8_t> bytes;
    try {
        bytes = vb::ReadWholeFile(vb::NativePath(path));
    } catch (const vb::RuntimeError&) {
        return 0;
    }
    auto image = ParseCursorFile(bytes);
    if (!image) return 0;
    Cursors& s = State();
    const HCURSOR handle = s.next;
    s.next += 2;
    s.loaded[handle] = std::move(image);
    return handle;
}

intptr_t SetClassWord(HWND /*hwnd*/, int32_t index, intptr_t value) {
    if (index != GCL_HCURSOR) return 0;
    Cursors& s = State();
    const HCURSOR before = s.classCursor;
    s.classCursor = value;
    return before;
}

int32_t DestroyCursor(HCURSOR cursor) { return State().loaded.erase(cursor) ? 1 : 0; }

HCURSOR ClassCursor() { return State().classCursor; }

std::shared_ptr<const CursorImage> CursorPicture(HCURSOR cursor) {
    const auto& loaded = State().loaded;
    const auto it = loaded.find(cursor);
    return it == loaded.end() ? nullptr : it->second;
}

}  // namespace win
