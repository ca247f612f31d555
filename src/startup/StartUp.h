#pragma once

namespace platform {
class Platform;
}

// The start-up function: creates the application and the screen host on `instance`, runs
// the game and returns the process's exit code.
int runGame(platform::Platform& instance);
