#include "shell/Module1.h"

namespace Module1 {

void ResetModule1() { globals = Globals{}; }

}  // namespace Module1
