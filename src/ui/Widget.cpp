#include "ui/Widget.h"

#include <algorithm>

#include "media/Bitmap.h"

Widget::Widget() = default;

Widget::Widget(Widget* parentWidget, int px, int py, Bitmap* picture) { Widget::init(parentWidget, px, py, picture); }

Widget::~Widget()
{
    // Children go in index order, each before the next is touched.
    for (int i = 0; i < childCount; ++i)
        children[i].reset();
    children.reset();
    childCount = 0;
}

void Widget::init(Widget* parentWidget, int px, int py, Bitmap* picture)
{
    if (parentWidget) {
        originX = parentWidget->getX() + parentWidget->getOriginX();
        originY = parentWidget->getY() + parentWidget->getOriginY();
    } else {
        originX = 0;
        originY = 0;
    }
    parent = parentWidget;
    x = px;
    y = py;
    frame = 0;
    alpha = opaqueAlpha;
    animating = false;
    looping = false;
    for (int i = 0; i < childCount; ++i)
        children[i].reset();
    children.reset();
    childCount = 0;
    if (picture) {
        bitmap = picture;
        width = picture->getCellWidth();
        height = picture->getCellHeight();
        frameCount = std::max(1, picture->getFrameCount());
        hasBitmap = true;
    } else {
        bitmap = nullptr;
        width = 0;
        height = 0;
        frameCount = 1;
        hasBitmap = false;
    }
}

void Widget::allocateChildren(int count)
{
    for (int i = 0; i < childCount; ++i)
        children[i].reset();
    childCount = std::max(0, count);
    children = std::make_unique<std::unique_ptr<Widget>[]>(static_cast<std::size_t>(childCount));
}

void Widget::replaceChild(int index, std::unique_ptr<Widget> child)
{
    if (index < 0 || index >= childCount)
        return;
    children[index].reset();
    children[index] = std::move(child);
}

int Widget::indexOfChild(const Widget* child) const
{
    for (int i = 0; i < childCount; ++i) {
        if (child && children[i].get() == child)
            return i;
    }
    return -1;
}

std::unique_ptr<Widget> Widget::releaseChild(int index)
{
    if (index < 0 || index >= childCount)
        return nullptr;
    return std::move(children[index]);
}

Widget* Widget::getChild(int index) const
{
    if (index < 0 || index >= childCount)
        return nullptr;
    return children[index].get();
}

bool Widget::createSurfaces()
{
    bool ok = true;
    for (int i = 0; i < childCount; ++i) {
        if (children[i] && !children[i]->createSurfaces())
            ok = false;
    }
    if (hasBitmap && bitmap && !bitmap->createSurface())
        ok = false;
    return ok;
}

bool Widget::releaseSurfaces()
{
    for (int i = 0; i < childCount; ++i) {
        if (children[i])
            children[i]->releaseSurfaces();
    }
    if (hasBitmap && bitmap)
        bitmap->releaseSurface();
    return true;
}

void Widget::setBitmap(Bitmap* newBitmap)
{
    if (!newBitmap) {
        // Nothing to show: the widget keeps its size and frame but draws no cell.
        bitmap = nullptr;
        hasBitmap = false;
        frameCount = 1;
        frame = 0;
        return;
    }
    bitmap = newBitmap;
    hasBitmap = true;
    frameCount = std::max(1, newBitmap->getFrameCount());
    if (frame >= frameCount)
        frame = frameCount - 1;
    if (frame < 0)
        frame = 0;
    setSize(newBitmap->getCellWidth(), newBitmap->getCellHeight());
}

void Widget::setOriginX(int ox)
{
    originX = ox;
    for (int i = 0; i < childCount; ++i) {
        if (children[i])
            children[i]->setOriginX(ox + x);
    }
}

void Widget::setOriginY(int oy)
{
    originY = oy;
    for (int i = 0; i < childCount; ++i) {
        if (children[i])
            children[i]->setOriginY(oy + y);
    }
}

void Widget::setOrigin(int ox, int oy)
{
    originX = ox;
    originY = oy;
    for (int i = 0; i < childCount; ++i) {
        if (children[i])
            children[i]->setOrigin(ox + x, oy + y);
    }
}

int Widget::getOriginX() { return originX; }
int Widget::getOriginY() { return originY; }

void Widget::setX(int nx)
{
    if (nx == x)
        return;
    x = nx;
    for (int i = 0; i < childCount; ++i) {
        if (children[i])
            children[i]->setOriginX(originX + nx);
    }
}

void Widget::setY(int ny)
{
    if (ny == y)
        return;
    y = ny;
    for (int i = 0; i < childCount; ++i) {
        if (children[i])
            children[i]->setOriginY(originY + ny);
    }
}

void Widget::setPosition(int nx, int ny)
{
    if (nx == x && ny == y)
        return;
    x = nx;
    y = ny;
    for (int i = 0; i < childCount; ++i) {
        if (children[i])
            children[i]->setOrigin(originX + nx, originY + ny);
    }
}

int Widget::getX() { return x; }
int Widget::getY() { return y; }
void Widget::moveX(int dx) { setX(x + dx); }
void Widget::moveY(int dy) { setY(y + dy); }
void Widget::moveBy(int dx, int dy) { setPosition(x + dx, y + dy); }
void Widget::setWidth(int w) { width = w; }
void Widget::setHeight(int h) { height = h; }
void Widget::setSize(int w, int h)
{
    width = w;
    height = h;
}
int Widget::getWidth() { return width; }
int Widget::getHeight() { return height; }
int Widget::getRight() { return x + width; }
int Widget::getBottom() { return y + height; }

void Widget::setFrame(int n)
{
    if (n == frame)
        return;
    if (n >= frameCount) {
        n = looping ? n % frameCount : frameCount - 1;
    } else if (n < 0) {
        // The remainder keeps the sign of n, so -1 wraps to the last frame; an exact
        // multiple of the frame count wraps to frame 0 rather than one past the last.
        n = looping ? (frameCount + n % frameCount) % frameCount : 0;
    }
    if (n != frame) {
        frame = n;
        onFrameChanged();
    }
}

int Widget::getFrame() { return frame; }
void Widget::nextFrame() { setFrame(frame + 1); }
void Widget::previousFrame() { setFrame(frame - 1); }

void Widget::setAlpha(int a)
{
    if (a == alpha)
        return;
    alpha = std::clamp(a, 0, opaqueAlpha);
}

int Widget::getAlpha() { return alpha; }
void Widget::setLooping(bool b) { looping = b; }
bool Widget::isLooping() { return looping; }
void Widget::setAnimating(bool b) { animating = b; }
bool Widget::isAnimating() { return animating; }

void Widget::update()
{
    // The slot is read afresh on every step: a child's update may replace that child.
    for (int i = 0; i < childCount; ++i) {
        if (children[i])
            children[i]->update();
    }
    if (animating)
        nextFrame();
}

void Widget::onFrameChanged() {}

void Widget::onChildFinished(Widget*, int) {}

bool Widget::drawClipped(int left, int top, int right, int bottom)
{
    if (alpha == 0)
        return true;
    if (hasBitmap && bitmap) {
        const bool drawn = alpha == opaqueAlpha
                               ? bitmap->drawCellClipped(originX + x, originY + y, left, top, right, bottom, frame)
                               : bitmap->drawCellBlended(originX + x, originY + y, frame, alpha);
        if (!drawn)
            return false;
    }
    for (int i = 0; i < childCount; ++i) {
        if (children[i] && !children[i]->drawClipped(left, top, right, bottom))
            return false;
    }
    return true;
}

bool Widget::draw()
{
    if (alpha == 0)
        return true;
    if (hasBitmap && bitmap) {
        const bool drawn = alpha == opaqueAlpha ? bitmap->drawCell(originX + x, originY + y, frame)
                                                : bitmap->drawCellBlended(originX + x, originY + y, frame, alpha);
        if (!drawn)
            return false;
    }
    return drawChildren();
}

bool Widget::drawChildren()
{
    for (int i = 0; i < childCount; ++i) {
        if (children[i] && !children[i]->draw())
            return false;
    }
    return true;
}

void Widget::handleEvent(int) {}
