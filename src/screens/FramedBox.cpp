#include "screens/FramedBox.h"

#include "app/Application.h"

bool drawFramedBox(int left, int top, int width, int height, int fillColour, int borderColour, int borderWidth)
{
    if (!theApp || !theApp->fillRect(left, top, width, height, fillColour))
        return false;
    if (!theApp->beginDraw())
        return false;
    theApp->selectPen(borderWidth, borderColour);
    theApp->drawLine(left, top, left + width, top);
    theApp->drawLine(left + width, top, left + width, top + height);
    theApp->drawLine(left + width, top + height, left, top + height);
    theApp->drawLine(left, top + height, left, top);
    theApp->deletePen();
    return true;
}
