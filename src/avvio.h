#pragma once
// The program's start-up, one function shared by main() and the start-up benchmark.
#include <functional>

namespace Avvio {

// Starts the program as a user launches it: the application, the real platform, every window
// registered, the splash on screen; then runs the event loop and returns the exit status.
// `pronto`, when given, runs once the splash is shown, just before the event loop starts.
int esegui(int argc, char* argv[], const std::function<void()>& pronto = {});

} // namespace Avvio
