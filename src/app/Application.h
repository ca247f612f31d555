#pragma once

#include <cstdint>
#include <memory>

#include "platform/DrawContext.h"
#include "platform/Platform.h"

class Widget;

// Owns the process-wide resources of the game: the main window, the display device with
// its visible and back surfaces, the sound device, the settings key, the frame clock and
// the current input state.  Reached everywhere through `theApp`.
class Application {
public:
    // `instance` is the platform the game runs on; `showCommand` how the window first shows.
    Application(bool fullScreenDefault, int screenWidth, int screenHeight, int bitsPerPixel, int backBufferCount,
                int framesPerSecond, int soundChannels, int soundSampleRate, int soundBitsPerSample,
                platform::Platform& instance, int showCommand);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    virtual ~Application();

    // Frame loop and window procedure.
    int run();
    bool doFrame();
    void windowProcedure(const platform::Message& message);
    bool toggleFullScreen();
    void closeWindow();
    void storeSwitches();  // the sound and full-screen switches, as an orderly end keeps them
    void showHelp();
    void openWebPage(const char* address);

    // Window and display device.
    bool createWindow(int showCommand);
    void fitWindowToClient(int clientWidth, int clientHeight);
    bool createDisplayDevice();
    bool releaseDisplayDevice();
    bool createDisplaySurfaces();
    bool releaseDisplaySurfaces();
    bool restoreDisplaySurfaces();
    bool present();

    // Sound device.
    bool createSoundDevice();
    bool releaseSoundDevice();

    // Settings store: reads and writes happen between openSettings and closeSettings.
    void openSettings();
    void closeSettings();
    void readString(const char* name, char* text, int size);
    void readDword(const char* name, std::uint32_t* value, int size);
    void readBinary(const char* name, void* value, int size);
    void writeString(const char* name, const char* text);
    void writeDword(const char* name, const std::uint32_t* value, int size);
    void writeBinary(const char* name, const void* value, int size);

    // Drawing into the back surface.  Lines and text only inside beginDraw/endDraw;
    // fillRect and measureText only outside.
    bool fillRect(int x, int y, int width, int height, int colour);
    bool beginDraw();
    void endDraw();
    void selectPen(int width, int colour);
    void deletePen();
    void drawLine(int x1, int y1, int x2, int y2);
    void selectFont(const char* faceName, int height, int colour);
    void deleteFont();
    void drawText(int left, int top, int right, int bottom, int alignment, const char* text);
    void drawNumber(int left, int top, int right, int bottom, int alignment, unsigned value);
    void measureText(const char* text, int length, const char* faceName, int height, int* width, int* height2);

    bool initialised = false;
    bool fullScreen = false;
    int screenWidth = 800;
    int screenHeight = 600;
    int bitsPerPixel = 16;
    int displayBitsPerPixel = 16;
    int framesPerSecond = 15;
    int framePeriodMs = 66;
    std::uint32_t lastFrameTime = 0;
    bool hasSound = true;
    int windowScale = 0;  // the window's whole multiple of the screen, 1 to 4; 0 the largest that fits
    int soundChannels = 1;
    int soundSampleRate = 22050;
    int soundBitsPerSample = 16;
    platform::Platform* instance = nullptr;
    std::unique_ptr<platform::Window> window;
    platform::DrawContext* drawDC = nullptr;
    std::unique_ptr<platform::Pen> pen;
    platform::Pen* previousPen = nullptr;
    std::unique_ptr<platform::Font> font;
    platform::Font* previousFont = nullptr;
    std::unique_ptr<platform::SettingsKey> settingsKey;
    std::unique_ptr<platform::DisplayDevice> directDraw;  // the display device
    platform::Surface* primarySurface = nullptr;
    platform::Surface* backSurface = nullptr;
    int backBufferCount = 1;
    std::unique_ptr<platform::SoundDevice> directSound;  // the sound device
    bool active = true;
    bool switchingMode = false;
    bool paintFailed = false;  // the loop ended through the paint-error box
    int mouseX = 0;
    int mouseY = 0;
    int mouseButtons = 0;
    bool pointerByTouch = false;  // the last pointer message came from a finger
    bool touchBegins = false;     // ... and was the first place of its touch
    int keyCode = 0;
    int charCode = 0;

    // The settings key's place: "Software\<company>\<product>".
    static constexpr const char* settingsCompany = "harrowdine";
    static constexpr const char* settingsProduct = "harrowdine Kelvary";
    static constexpr const char* helpFileName = "harrowdine kelvary help.chm";
    static constexpr const char* windowTitle = "harrowdine Kelvary";
    static constexpr const char* windowClassName = "kelvary";
    static constexpr std::uint32_t largestWindowScale = 4;
};

extern Application* theApp;
extern Widget* rootWidget;
