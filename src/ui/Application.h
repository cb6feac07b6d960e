#pragma once

namespace ranvik {

// Creates the application and its six windows, runs the event loop, returns the exit code.
int RunApplication(int argc, char* argv[]);

} // namespace ranvik
