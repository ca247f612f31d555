// The program reads no command line: it runs the game on this build's platform.
#include "platform/Platform.h"
#include "startup/StartUp.h"

int main()
{
    auto platformInstance = platform::createPlatform();
    if (!platformInstance)
        return 1;
    return runGame(*platformInstance);
}
