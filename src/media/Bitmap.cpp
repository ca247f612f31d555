#include "media/Bitmap.h"

#include <algorithm>

#include "app/Application.h"
#include "media/AssetCatalogue.h"
#include "media/TranslucentBlend.h"
#include "platform/Display.h"
#include "platform/Surface.h"

namespace {

int safeDivide(int value, int divisor) { return divisor > 0 ? value / divisor : 0; }

// Cuts a source rectangle to the picture, moving its destination (x, y) along; a frame
// beyond the picture's cells has nothing to draw.  False when nothing is left.
bool cutToPicture(platform::Rect& source, int& x, int& y, int pictureWidth, int pictureHeight)
{
    if (source.left < 0) {
        x -= source.left;
        source.left = 0;
    }
    if (source.top < 0) {
        y -= source.top;
        source.top = 0;
    }
    source.right = std::min(source.right, pictureWidth);
    source.bottom = std::min(source.bottom, pictureHeight);
    return !source.isEmpty();
}

}  // namespace

Bitmap::Bitmap(const char* name, int w, int h, int cols, int rowCount, int frames)
    : Bitmap(name, w, h, cols, rowCount, frames, 0, 0)
{
    hasColourKey = false;
}

Bitmap::Bitmap(const PictureFile& picture)
    : Bitmap(picture.fileName, picture.width, picture.height, picture.columns, picture.rows, picture.frameCount(), 0, 0)
{
    hasColourKey = picture.keyed;
}

Bitmap::Bitmap(const char* name, int w, int h, int cols, int rowCount, int frames, std::uint32_t keyLow,
               std::uint32_t keyHigh)
    : fileName(name),
      width(w),
      height(h),
      cellWidth(safeDivide(w, cols)),
      cellHeight(safeDivide(h, rowCount)),
      columns(cols),
      rows(rowCount),
      frameCount(frames),
      hasColourKey(true),
      colourKeyLow(keyLow),
      colourKeyHigh(keyHigh)
{}

Bitmap::~Bitmap() { releaseSurface(); }

bool Bitmap::createSurface()
{
    if (surface)
        return true;
    if (!theApp || !theApp->directDraw || width <= 0 || height <= 0)
        return false;
    surface = theApp->directDraw->createSurface(width, height);
    if (!surface)
        return false;
    if (hasColourKey)
        surface->setColourKey(colourKeyLow, colourKeyHigh);
    return loadPicture();
}

bool Bitmap::loadPicture()
{
    if (!surface)
        return false;
    if (surface->loadPicture(fileName))
        return true;
    // A picture that cannot be read leaves a plain black surface rather than leftovers.
    surface->fill(platform::Rect{0, 0, width, height}, 0);
    return false;
}

bool Bitmap::releaseSurface()
{
    surface.reset();
    return true;
}

bool Bitmap::restoreSurface()
{
    if (surface && surface->restore())
        return loadPicture();
    releaseSurface();
    return createSurface();
}

int Bitmap::cellLeft(int frameNumber) const { return columns > 0 ? (frameNumber % columns) * cellWidth : 0; }

int Bitmap::cellTop(int frameNumber) const { return columns > 0 ? (frameNumber / columns) * cellHeight : 0; }

bool Bitmap::drawCell(int x, int y, int frame)
{
    return drawCellClipped(x, y, x, y, x + cellWidth, y + cellHeight, frame);
}

bool Bitmap::drawCellClipped(int x, int y, int clipLeft, int clipTop, int clipRight, int clipBottom, int frame)
{
    if (!surface)
        return false;
    const int left = std::max(x, clipLeft);
    const int top = std::max(y, clipTop);
    const int right = std::min(clipRight, x + cellWidth);
    const int bottom = std::min(clipBottom, y + cellHeight);
    if (left >= right || top >= bottom)
        return true;

    const int sourceLeft = left - x + cellLeft(frame);
    const int sourceTop = top - y + cellTop(frame);
    platform::Rect source{sourceLeft, sourceTop, sourceLeft + (right - left), sourceTop + (bottom - top)};

    platform::Surface* back = theApp ? theApp->backSurface : nullptr;
    if (!back)
        return false;
    int destinationLeft = left;
    int destinationTop = top;
    if (!cutToPicture(source, destinationLeft, destinationTop, width, height))
        return true;
    if (back->blit(*surface, source, destinationLeft, destinationTop, hasColourKey))
        return true;
    // The picture's surface may have been lost: bring it back and try once more.
    restoreSurface();
    if (!surface)
        return false;
    return back->blit(*surface, source, destinationLeft, destinationTop, hasColourKey);
}

bool Bitmap::drawCellBlended(int x, int y, int frame, int alpha)
{
    return drawCellBlendedClipped(x, y, x, y, x + cellWidth, y + cellHeight, frame, alpha);
}

bool Bitmap::drawCellBlendedClipped(int x, int y, int clipLeft, int clipTop, int clipRight, int clipBottom, int frame,
                                    int alpha)
{
    if (!surface)
        return false;
    if (!theApp || !theApp->backSurface)
        return false;
    const int screenWidth = theApp->screenWidth;
    const int screenHeight = theApp->screenHeight;
    if (x >= screenWidth || y >= screenHeight || clipLeft >= screenWidth || clipTop >= screenHeight ||
        x + cellWidth <= 0 || y + cellHeight <= 0 || clipRight <= 0 || clipBottom <= 0)
        return true;

    // A locked surface has no clipper, so the software path clips to the screen itself.
    const int left = std::max(x, std::max(clipLeft, 0));
    const int right = std::min(x + cellWidth, std::min(clipRight, screenWidth));
    const int top = std::max(y, std::max(clipTop, 0));
    const int bottom = std::min(y + cellHeight, std::min(clipBottom, screenHeight));
    if (left >= right || top >= bottom)
        return true;

    const int sourceLeft = left - x + cellLeft(frame);
    const int sourceTop = top - y + cellTop(frame);
    platform::Rect source{sourceLeft, sourceTop, sourceLeft + (right - left), sourceTop + (bottom - top)};
    int destinationLeft = left;
    int destinationTop = top;
    if (!cutToPicture(source, destinationLeft, destinationTop, width, height))
        return true;
    const platform::Rect destination{destinationLeft, destinationTop, destinationLeft + source.width(),
                                     destinationTop + source.height()};
    const int bitsPerPixel = theApp->bitsPerPixel;
    const int rowBytes = destination.width() * bitsPerPixel / 8;
    const int alphaWeight = std::clamp(alpha, 0, 128);

    platform::Surface* back = theApp->backSurface;
    // Rows are measured in the back surface's depth; a picture of another depth cannot be
    // mixed byte for byte, so it is left out rather than read past its rows.
    if (back->getBitsPerPixel() != bitsPerPixel || surface->getBitsPerPixel() != bitsPerPixel)
        return true;
    platform::LockedPixels target;
    if (!back->lock(destination, target))
        return false;
    platform::LockedPixels picture;
    if (!surface->lock(source, picture)) {
        restoreSurface();
        if (!surface || !surface->lock(source, picture)) {
            back->unlock();
            return false;
        }
    }

    std::uint8_t* targetRow = target.bits;
    const std::uint8_t* pictureRow = picture.bits;
    for (int row = destination.top; row < destination.bottom; ++row) {
        blendRow(targetRow, pictureRow, rowBytes, bitsPerPixel, alphaWeight);
        targetRow += target.pitch;
        pictureRow += picture.pitch;
    }

    const bool pictureUnlocked = surface->unlock();
    const bool backUnlocked = back->unlock();
    return pictureUnlocked && backUnlocked;
}
