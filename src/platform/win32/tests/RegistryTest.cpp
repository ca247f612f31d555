// The settings key in the registry: value types as the registry stores them, and reads that
// follow the settings store's rules.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "platform/win32/Win32Platform.h"

namespace {

constexpr const char* company = "harrowdine-tests";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        product = std::string("Kelvary ") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        RegDeleteTreeA(HKEY_CURRENT_USER, path().c_str());
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, path().c_str()); }
    std::string path() const { return std::string("Software\\") + company + "\\" + product; }

    // What the registry itself holds: its type's number, ":" and the bytes; empty if nothing.
    std::string stored(const char* name) const
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "";
        char buffer[512];
        DWORD size = sizeof buffer, type = 0;
        const bool found =
            RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found ? std::to_string(type) + ":" + std::string(buffer, size) : "";
    }
    void storeRaw(const char* name, DWORD type, const void* data, DWORD size) const
    {
        HKEY key;
        ASSERT_EQ(
            RegCreateKeyExA(HKEY_CURRENT_USER, path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    std::unique_ptr<platform::Platform> system = platform::win32::createWin32Platform();
    std::string product;
};

TEST_F(RegistryTest, ValuesAreStoredWithTheRegistrysOwnTypesAndReadNeverPastTheBuffer)
{
    {
        auto key = system->openSettings(company, product.c_str());
        ASSERT_NE(key, nullptr);
        const std::uint32_t score = 123456;
        const unsigned char on = 1;
        EXPECT_TRUE(key->write("name0", platform::ValueType::Text, "Ada", 4));
        EXPECT_TRUE(key->write("score0", platform::ValueType::Number, &score, 4));
        EXPECT_TRUE(key->write("hasSound", platform::ValueType::Bytes, &on, 1));
    }  // closing the key keeps what was written

    // Text keeps its terminating zero.
    EXPECT_EQ(stored("name0"), std::to_string(REG_SZ) + ":" + std::string("Ada\0", 4));
    EXPECT_EQ(stored("score0"), std::to_string(REG_DWORD) + ":" + std::string("\x40\xE2\x01\x00", 4));
    EXPECT_EQ(stored("hasSound"), std::to_string(REG_BINARY) + ":\x01");

    // Reads copy at most the buffer and fail when the value is longer, whoever wrote it.
    auto key = system->openSettings(company, product.c_str());
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->query("missing"));
    char shortBuffer[3];
    std::memset(shortBuffer, '#', sizeof shortBuffer);
    EXPECT_FALSE(key->read("name0", shortBuffer, 2));
    EXPECT_EQ(std::string(shortBuffer, 3), "Ad#") << "only the first bytes arrive";
    char exact[4];  // exactly the stored length fits
    EXPECT_TRUE(key->read("name0", exact, sizeof exact));
    EXPECT_STREQ(exact, "Ada");

    // Values another program wrote: a text without its terminator still reads as a terminated
    // text, a number where bytes are expected as its bytes.
    storeRaw("name2", REG_SZ, "Lin", 3);
    const DWORD number = 1;
    storeRaw("fullScreen", REG_DWORD, &number, 4);
    char name[8];
    std::memset(name, '#', sizeof name);
    EXPECT_TRUE(key->read("name2", name, sizeof name));
    EXPECT_STREQ(name, "Lin");
    char tight[3];
    EXPECT_FALSE(key->read("name2", tight, sizeof tight)) << "no room for the terminator";

    unsigned char oneByte = 9;
    EXPECT_FALSE(key->read("fullScreen", &oneByte, 1));
    EXPECT_EQ(oneByte, 1) << "the first byte of the longer value";
}

}  // namespace
