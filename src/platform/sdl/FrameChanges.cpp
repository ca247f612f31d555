#include "platform/sdl/FrameChanges.h"

#include <algorithm>

namespace platform::sdl {

namespace {

// More places than this (the game's field holds 64 blocks and their frames), and copying
// the picture whole, comparing as it goes, is as quick.
constexpr std::size_t mostPlacesKept = 256;

Rect unite(const Rect& a, const Rect& b)
{
    if (a.isEmpty())
        return b;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

}  // namespace

FrameChanges::FrameChanges(int width, int height) : whole{0, 0, width, height}, changedBox(whole) {}

void FrameChanges::changed(const Rect& area)
{
    if (!area.isEmpty())
        changedBox = unite(changedBox, area);
}

void FrameChanges::drawnOver(const Rect& area)
{
    if (!holdsPicture || area.isEmpty())
        return;
    if (drawnSince.size() >= mostPlacesKept) {
        holdsPicture = false;
        drawnSince.clear();
        return;
    }
    drawnSince.push_back(area);
}

const std::vector<Rect>* FrameChanges::stillToCopy(const std::shared_ptr<int>& picture, std::uint64_t version) const
{
    const bool samePicture = !lastPicture.owner_before(picture) && !picture.owner_before(lastPicture);
    if (!holdsPicture || !samePicture || lastPicture.expired() || version != lastPictureVersion)
        return nullptr;
    return &drawnSince;
}

void FrameChanges::copiedWhole(const std::shared_ptr<int>& picture, std::uint64_t version)
{
    lastPicture = picture;
    lastPictureVersion = version;
    holdsPicture = true;
    drawnSince.clear();
}

}  // namespace platform::sdl
