// ctest hands every test its whole environment: the dummy drivers that keep the tests
// headless, the sanitizer's options and the marker that comes last in the list.  (Started by
// hand, without ctest, this test fails: give it the environment of cmake/TestLimits.cmake.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "(unset)";
}

TEST(TestEnvironment, ArrivesWhole)
{
    EXPECT_EQ(variable("SDL_VIDEODRIVER"), "dummy");
    EXPECT_EQ(variable("SDL_AUDIODRIVER"), "dummy");
    EXPECT_EQ(variable("ASAN_OPTIONS"), "detect_leaks=1");
    EXPECT_EQ(variable("KELVARY_TEST_ENVIRONMENT"), "whole");
}

}  // namespace
