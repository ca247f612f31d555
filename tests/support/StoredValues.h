#pragma once

#include <cstdint>
#include <string>

class Application;

// Values read straight from the application's settings store, as a test checks them.
std::string storedText(Application& app, const char* name);
// The stored number, or 0 when the value is missing.
std::uint32_t storedNumber(Application& app, const char* name);

// Writes the back surface as a PNG into the "screenshots" folder beside the game (for looking at).
void saveTestScreenshot(Application& app, const std::string& name);
