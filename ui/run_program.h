#pragma once

namespace varnoq {

// The program entry: creates the test state, opens the main window and runs the event loop until
// it is closed. Returns the process's exit code.
int runProgram(int argc, char** argv);

// Applies the application-wide look both windows expect: the icon, the default font with a
// Chinese face behind it. Tests call it too.
void setUpApplication();

} // namespace varnoq
