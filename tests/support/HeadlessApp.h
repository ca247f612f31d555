#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "app/Application.h"
#include "support/TemporaryFolder.h"

// The raw pixel at (x, y) of a surface, in its own format (0xDEADBEEF when it cannot be locked).
std::uint32_t rawPixel(platform::Surface& surface, int x, int y);

// The real application on the SDL layer with the dummy video and audio drivers, a settings
// store in a fresh temporary folder, and `theApp` pointing at it for the test's lifetime.
class HeadlessApp {
public:
    explicit HeadlessApp(int bitsPerPixel = 32);
    // Reuses an existing settings folder (a second program run in the same store).
    HeadlessApp(int bitsPerPixel, const std::filesystem::path& settingsFolder);
    HeadlessApp(const HeadlessApp&) = delete;
    HeadlessApp& operator=(const HeadlessApp&) = delete;
    ~HeadlessApp();

    Application& app() { return *application; }
    platform::Platform& platform() { return *platformInstance; }
    const std::filesystem::path& settingsFolder() const { return folder; }

    // Deletes the root widget (if any) and the application, as an orderly end does, keeping the
    // settings folder; further calls do nothing.
    void shutDown();

    // The raw pixel of the back surface at (x, y), in the surface's own format.
    std::uint32_t pixel(int x, int y);
    // The pixel as 0x00RRGGBB whatever the depth (5-6-5 fields widened by shifting).
    std::uint32_t colourAt(int x, int y);

    // Delivers a message through the application's window procedure, as the loop does.
    void send(platform::MessageKind kind, int value = 0, int x = 0, int y = 0);

private:
    std::filesystem::path folder;
    bool ownsFolder = false;
    std::unique_ptr<platform::Platform> platformInstance;
    Application* application = nullptr;
};
