#pragma once

// The game's pictures and sounds as named constants (`pictures::blocks`, `sounds::timeUp`)
// and as lists of all of them, from the one catalogue in AssetCatalogue.def.

struct PictureFile {
    const char* fileName;
    int width;
    int height;
    int columns;
    int rows;
    bool keyed;  // pure black is transparent

    constexpr int cellWidth() const { return width / columns; }
    constexpr int cellHeight() const { return height / rows; }
    constexpr int frameCount() const { return columns * rows; }
};

struct SoundFile {
    const char* fileName;
};

// Each kind is read from the catalogue twice: once for a constant per entry, once for the list.
#define KELVARY_SOUND(name, file)
#define KELVARY_PICTURE(name, file, width, height, columns, rows, keyed)                                               \
    inline constexpr PictureFile name{file, width, height, columns, rows, keyed};
namespace pictures {
#include "media/AssetCatalogue.def"
}
#undef KELVARY_PICTURE
#define KELVARY_PICTURE(name, file, width, height, columns, rows, keyed) name,
namespace pictures {
inline constexpr PictureFile all[] = {
#include "media/AssetCatalogue.def"
};
}  // namespace pictures
#undef KELVARY_PICTURE
#undef KELVARY_SOUND

#define KELVARY_PICTURE(name, file, width, height, columns, rows, keyed)
#define KELVARY_SOUND(name, file) inline constexpr SoundFile name{file};
namespace sounds {
#include "media/AssetCatalogue.def"
}
#undef KELVARY_SOUND
#define KELVARY_SOUND(name, file) name,
namespace sounds {
inline constexpr SoundFile all[] = {
#include "media/AssetCatalogue.def"
};
}  // namespace sounds
#undef KELVARY_SOUND
#undef KELVARY_PICTURE
