// DirectSound: the device needs a window, and effects' buffers take, keep and play their data.
#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "platform/win32/DirectSoundDevice.h"

using kelvary_test::WindowedPlatform;

// As a full-screen switch does: the device's first window goes, another comes, and a static
// buffer filled through its lock plays on.
TEST(Win32Sound, TheDeviceFollowsAWindowBuiltAnewAndGoesOnPlaying)
{
    auto first = std::make_unique<WindowedPlatform>();
    ASSERT_NE(first->window, nullptr);
    auto device = first->system->createSoundDevice(first->window.get(), platform::WaveFormat{1, 22050, 16});
    ASSERT_NE(device, nullptr) << "no DirectSound device (is the ALSA layer reachable?)";
    auto& direct = dynamic_cast<platform::win32::DirectSoundDevice&>(*device);
    EXPECT_EQ(direct.getWindow(), first->handle());
    first->window.reset();

    WindowedPlatform second;
    ASSERT_NE(second.window, nullptr);
    EXPECT_FALSE(device->followWindow(nullptr));
    EXPECT_TRUE(device->followWindow(second.window.get()));
    EXPECT_EQ(direct.getWindow(), second.handle());

    EXPECT_EQ(device->createBuffer(platform::WaveFormat{1, 22050, 16}, 0, false), nullptr);
    auto buffer = device->createBuffer(platform::WaveFormat{1, 22050, 16}, 22050, false);
    ASSERT_NE(buffer, nullptr);
    std::uint8_t* data = nullptr;
    std::uint32_t bytes = 0;
    ASSERT_TRUE(buffer->lock(data, bytes));
    ASSERT_EQ(bytes, 22050u);
    EXPECT_FALSE(buffer->play(false)) << "a locked buffer cannot play";
    for (std::uint32_t i = 0; i < bytes; ++i)
        data[i] = static_cast<std::uint8_t>((i / 50) % 2 ? 0x40 : 0xC0);
    EXPECT_TRUE(buffer->unlock(bytes));
    EXPECT_FALSE(buffer->unlock(bytes));

    EXPECT_TRUE(buffer->play(false));
    EXPECT_TRUE(buffer->isPlaying());
    EXPECT_TRUE(buffer->setPosition(0)) << "restarting a sounding effect";
    EXPECT_TRUE(buffer->play(false));
}
