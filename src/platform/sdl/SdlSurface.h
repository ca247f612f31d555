#pragma once

// A picture in memory on the SDL layer: the back surface, the visible copy, or an
// off-screen surface holding one picture file.

#include <SDL.h>

#include <cstdint>
#include <memory>

#include "platform/DrawContext.h"
#include "platform/sdl/FrameChanges.h"
#include "platform/Surface.h"

namespace platform::sdl {

class SdlSurface final : public Surface {
public:
    // A zeroed software surface of the given size in one of the layer's pixel formats;
    // null if the format is not one of them or memory runs out.
    static std::unique_ptr<SdlSurface> create(int width, int height, std::uint32_t pixelFormat);

    // The layer's format for a depth of 16, 24 or 32 bits; 0 (unknown) for anything else.
    static std::uint32_t formatForDepth(int bitsPerPixel);

    ~SdlSurface() override;
    SdlSurface(const SdlSurface&) = delete;
    SdlSurface& operator=(const SdlSurface&) = delete;

    int getWidth() const override;
    int getHeight() const override;
    int getBitsPerPixel() const override;
    void setColourKey(std::uint32_t low, std::uint32_t high) override;
    bool blit(Surface& from, const Rect& source, int x, int y, bool keyed) override;
    bool fill(const Rect& area, std::uint32_t pixel) override;
    bool lock(const Rect& area, LockedPixels& out) override;
    bool unlock() override;
    bool loadPicture(const char* fileName) override;
    bool isLost() const override;
    bool restore() override;
    DrawContext* getDrawContext() override;
    void releaseDrawContext() override;

    // The memory is taken away (a display fault); see Surface::isLost.
    void lose() { lost = true; }
    // True while a lock or a drawing context keeps the pixels busy, or the memory is lost.
    bool isBusy() const { return lost || locked || drawContext != nullptr; }
    SDL_Surface* pixels() const { return surface; }

    // From now on the surface keeps the box around every pixel that may have changed since
    // the last forgetChanges(), starting with all of it.  Opaque copies from another surface
    // then compare first and write only the rows that differ, so a frame drawn again as it
    // was leaves no change behind.
    void trackChanges();
    // The box around what may have changed (empty when nothing did, or nothing is tracked).
    Rect changes() const;
    void forgetChanges();

private:
    SdlSurface(SDL_Surface* plain, SDL_Surface* keyedView);
    bool blitKeyRange(SDL_Surface* source, const SDL_Rect& from, const SDL_Rect& to, std::uint32_t low,
                      std::uint32_t high);
    void clearUnusedByte();
    // Every write to the pixels goes through here.
    void wrote(const SDL_Rect& area);
    void copyChangedRows(const SDL_Surface* source, const SDL_Rect& from, const SDL_Rect& to);
    void copyWholePicture(const SdlSurface& picture);

    SDL_Surface* surface;    // the pixels, blend mode none: blits are copies
    SDL_Surface* keyedView;  // the same pixels with SDL's colour key set to the key's low value
    std::uint32_t keyLow = 0;
    std::uint32_t keyHigh = 0;
    bool lost = false;
    bool locked = false;
    std::unique_ptr<DrawContext> drawContext;
    // Alive as long as the surface: what a tracked surface remembers of its last whole copy
    // refers to it, and a later surface never passes for it.
    std::shared_ptr<int> identity = std::make_shared<int>(0);
    std::uint64_t version = 0;  // counts the writes to the pixels
    std::unique_ptr<FrameChanges> frameChanges;
};

}  // namespace platform::sdl
