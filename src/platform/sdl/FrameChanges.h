#pragma once

// What the back surface of a display that shows only changed frames knows of its pixels:
// the box around whatever may differ from the frame on show, and, after a picture was
// copied onto all of it, the places drawn over since.  A menu that copies its background
// whole every frame then only has to put back what its buttons covered.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Geometry.h"

namespace platform::sdl {

class FrameChanges {
public:
    // For a surface of the given size, all of which may differ from what is on show.
    FrameChanges(int width, int height);

    // Pixels in `area` may now differ from the frame on show.
    void changed(const Rect& area);
    // Pixels in `area` may no longer hold the picture last copied onto the whole surface.
    void drawnOver(const Rect& area);

    // The box around what may differ from the frame on show; empty when nothing can.
    Rect box() const { return changedBox; }
    // The frame on show is now the surface's.
    void shown() { changedBox = Rect{}; }

    // Where a copy of `picture` (as it stands at `version`) onto the whole surface still has
    // to write: only where it was drawn over since the same picture was copied whole, or
    // null when the surface may differ from it anywhere.
    const std::vector<Rect>* stillToCopy(const std::shared_ptr<int>& picture, std::uint64_t version) const;
    // `picture` at `version` now covers the whole surface.
    void copiedWhole(const std::shared_ptr<int>& picture, std::uint64_t version);

private:
    Rect whole;
    Rect changedBox;
    std::weak_ptr<int> lastPicture;  // expires with its surface, so a new one is never taken for it
    std::uint64_t lastPictureVersion = 0;
    bool holdsPicture = false;
    std::vector<Rect> drawnSince;
};

}  // namespace platform::sdl
