#include "platform/forms/msgbox.h"

#include "platform/forms/host.h"
#include "platform/runtime/app.h"

namespace vb {

int16_t MsgBox(const std::string& prompt, int16_t buttons, const std::string& title) {
    return CurrentHost().messageBox(prompt, buttons, title.empty() ? App().Title : title);
}

}  // namespace vb
