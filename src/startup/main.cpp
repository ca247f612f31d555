// The program reads no command line: it runs the game on this build's platform, in the
// folder that holds its pictures and sounds.
#include "app/DataFolder.h"
#include "platform/Platform.h"
#include "startup/StartUp.h"

int main()
{
    auto platformInstance = platform::createPlatform();
    if (!platformInstance || !enterDataFolder(*platformInstance))
        return 1;
    return runGame(*platformInstance);
}
