// The game's own application, pictures, text and sounds on the Windows layer: the start-up
// sequence, a frame drawn the way the widgets draw it, and an effect played.
#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "app/Application.h"
#include "media/Bitmap.h"
#include "app/PixelPacking.h"
#include "media/SoundEffect.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

using kelvary_test::pixelAt;

namespace {

// The application on the Windows layer, reachable through theApp for the test's lifetime.
class WindowsApplication : public ::testing::Test {
protected:
    void SetUp() override
    {
        application = std::make_unique<Application>(false, 800, 600, 16, 1, 15, 1, 22050, 16, *system, 1);
        theApp = application.get();
        ASSERT_TRUE(application->initialised);
    }
    void TearDown() override
    {
        application.reset();
        theApp = nullptr;
    }
    std::uint32_t colourBits() const { return application->bitsPerPixel == 16 ? 0xFFFFu : 0xFFFFFFu; }
    std::uint32_t pixel(int x, int y) { return pixelAt(*application->backSurface, x, y) & colourBits(); }
    std::uint32_t packed(std::uint32_t colour) const
    {
        return packColour(colour, application->bitsPerPixel) & colourBits();
    }

    std::unique_ptr<platform::Platform> system = platform::win32::createWin32Platform();
    std::unique_ptr<Application> application;
    TemporaryFolder folder;
};

TEST_F(WindowsApplication, StartsWithItsSwitchesStored)
{
    EXPECT_TRUE(application->bitsPerPixel == 16 || application->bitsPerPixel == 24 || application->bitsPerPixel == 32);
    application->openSettings();
    unsigned char stored = 7;
    application->readBinary("hasSound", &stored, 1);
    application->closeSettings();
    EXPECT_LE(stored, 1) << "the switch was stored at start-up";
}

TEST_F(WindowsApplication, AFrameOfPicturesFillsAndTextReachesTheWindow)
{
    const auto file = (folder.path() / "cells.bmp").string();
    // Two 4x4 cells side by side: a red one with a black (keyed) left half, and a white one.
    writeBitmapFile(file, 8, 4, [](int x, int) { return x < 2 ? 0u : x < 4 ? 0x00FF0000u : 0x00FFFFFFu; });
    Bitmap cells(file.c_str(), 8, 4, 2, 1, 2, 0, 0);
    ASSERT_TRUE(cells.createSurface());

    ASSERT_TRUE(application->fillRect(0, 0, 800, 600, 0x000022));
    EXPECT_TRUE(cells.drawCell(100, 100, 0));
    EXPECT_EQ(pixel(100, 100), packed(0x000022)) << "black is the colour key";
    EXPECT_EQ(pixel(103, 100), packed(0x00FF0000));
    EXPECT_TRUE(cells.drawCell(-2, 598, 1)) << "partly off the picture";
    EXPECT_EQ(pixel(0, 599), packed(0x00FFFFFF));

    ASSERT_TRUE(application->fillRect(200, 200, 10, 10, 0x000000));
    EXPECT_TRUE(cells.drawCellBlended(200, 200, 1, 64));
    const std::uint32_t half = pixel(201, 201);
    EXPECT_NE(half, packed(0x000000));
    EXPECT_NE(half, packed(0x00FFFFFF));

    ASSERT_TRUE(application->beginDraw());
    application->selectPen(1, 0x00FF9900);
    application->drawLine(300, 300, 310, 300);
    application->deletePen();
    application->selectFont("Arial", 20, 0x00FFFFFF);
    application->drawText(400, 400, 600, 440, 1, "Tom & Jerry");
    application->drawNumber(400, 450, 600, 490, 2, 4294967295u);
    application->deleteFont();
    application->endDraw();
    // (GDI may round a colour into 5-6-5 otherwise than the fill does, so only "painted" is checked.)
    EXPECT_NE(pixel(309, 300), packed(0x000022));
    EXPECT_EQ(pixel(310, 300), packed(0x000022));

    int width = 0, height = 0;
    application->measureText("Tom & Jerry", 11, "Arial", 20, &width, &height);
    EXPECT_GT(width, 60);
    EXPECT_GE(height, 18);
    EXPECT_TRUE(application->present());
}

TEST_F(WindowsApplication, EffectsLoadFromTheirFileAndPlay)
{
    WaveFileParts parts;
    parts.samples = toneSamples(0.2);
    writeBytes(folder.path() / "tone.wav", buildWaveFile(parts));
    const auto file = (folder.path() / "tone.wav").string();
    SoundEffect effect(file.c_str(), false, 2);
    ASSERT_TRUE(effect.hasHeader());
    ASSERT_TRUE(effect.createBuffer());
    EXPECT_TRUE(effect.play());
    EXPECT_TRUE(effect.play()) << "a sounding effect starts again";

    const auto missing = (folder.path() / "missing.wav").string();
    SoundEffect silent(missing.c_str(), false, 2);
    EXPECT_FALSE(silent.play());
}

}  // namespace

TEST(WindowsStart, AWindowStartedMinimisedOpensAtItsFullSize)
{
    auto system = platform::win32::createWin32Platform();
    Application application(false, 800, 600, 16, 1, 15, 1, 22050, 16, *system, SW_SHOWMINNOACTIVE);
    theApp = &application;
    const struct Forget {
        ~Forget() { theApp = nullptr; }
    } forget;
    ASSERT_TRUE(application.initialised);
    const HWND window = dynamic_cast<platform::win32::Win32Window&>(*application.window).handle();
    EXPECT_TRUE(IsIconic(window));
    ShowWindow(window, SW_RESTORE);
    EXPECT_TRUE(application.active);
    RECT client;
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.right * 10000 + client.bottom, 800 * 10000 + 600);
}
