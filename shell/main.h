#pragma once
// The program's start-up.

namespace Module1 {

// Refuses a second copy of the program, fixes the program folder, loads the settings and
// opens the first window; the program then runs in the message loop until its last
// window closes.
void Main();

}  // namespace Module1
