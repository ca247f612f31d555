#pragma once

#include <cstdint>
#include <memory>

namespace platform {
class Surface;
}
struct PictureFile;

// One picture file in an off-screen surface, cut into equal cells counted row by row.
// Each cell is one frame: an animation step, a button state, a digit, a block colour.
class Bitmap {
public:
    Bitmap(const char* fileName, int width, int height, int columns, int rows, int frameCount);
    Bitmap(const char* fileName, int width, int height, int columns, int rows, int frameCount,
           std::uint32_t colourKeyLow, std::uint32_t colourKeyHigh);
    // A picture of the game's catalogue, with its size and cells, keyed on black if it is keyed.
    explicit Bitmap(const PictureFile& picture);
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    virtual ~Bitmap();

    bool createSurface();
    bool loadPicture();
    bool releaseSurface();
    bool restoreSurface();

    bool drawCell(int x, int y, int frame);
    bool drawCellClipped(int x, int y, int clipLeft, int clipTop, int clipRight, int clipBottom, int frame);
    bool drawCellBlended(int x, int y, int frame, int alpha);
    bool drawCellBlendedClipped(int x, int y, int clipLeft, int clipTop, int clipRight, int clipBottom, int frame,
                                int alpha);

    const char* getFileName() const { return fileName; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getCellWidth() const { return cellWidth; }
    int getCellHeight() const { return cellHeight; }
    int getColumns() const { return columns; }
    int getRows() const { return rows; }
    int getFrameCount() const { return frameCount; }
    bool getHasColourKey() const { return hasColourKey; }
    platform::Surface* getSurface() const { return surface.get(); }

private:
    // Top-left pixel of a frame's cell in the picture.
    int cellLeft(int frameNumber) const;
    int cellTop(int frameNumber) const;

    const char* fileName;
    int width;
    int height;
    int cellWidth;
    int cellHeight;
    int columns;
    int rows;
    int frameCount;
    bool hasColourKey;
    std::uint32_t colourKeyLow;
    std::uint32_t colourKeyHigh;
    std::unique_ptr<platform::Surface> surface;
};
