#include "StateWriter.h"

#include <sstream>

#include "ui/ScreenHost.h"

std::string describeState(int frame, Widget* root)
{
    std::ostringstream json;
    json << "{\"frame\":" << frame;
    json << ",\"screen\":" << (root ? root->getFrame() : -1);
    json << "}";
    return json.str();
}
