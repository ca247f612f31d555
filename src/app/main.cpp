// The program reads no command line: it runs the game on this build's platform, in the
// folder that holds its pictures and sounds.
#include "app/Application.h"
#include "app/DataFolder.h"

int main()
{
    auto platformInstance = platform::createPlatform();
    if (!platformInstance || !enterDataFolder(*platformInstance))
        return 1;
    return runGame(*platformInstance);
}
