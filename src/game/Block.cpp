#include "game/Block.h"

#include <algorithm>

#include "game/RandomGenerator.h"

Block::Block(Widget* parentWidget, int px, int py, Bitmap* picture, int colourCount, int frames,
             RandomGenerator& random)
{
    Widget::init(parentWidget, px, py, picture);
    Block::setUp(colourCount, frames, random);
}

void Block::setUp(int colourCount, int frames, RandomGenerator& random)
{
    looping = true;
    marked = false;
    framesPerKind = std::max(1, frames);
    if (!hasBitmap)
        frameCount = std::max(1, colourCount) * framesPerKind;
    // t = 0 (one value in 5 × colourCount + 1) gives a wild block; each colour gets five values.
    const int t = random.pick(5 * std::max(0, colourCount) + 1);
    setKind((t + 4) / 5 + 1);
}

void Block::setKind(int k)
{
    kind = k;
    if (k == BonusWildKind || k == WildKind)
        setFrame(0);
    else
        setFrame((k - firstColourKind) * framesPerKind);
}

bool Block::matches(const Block& other) const
{
    return !(kind > WildKind && other.kind > WildKind && kind != other.kind);
}

void Block::update()
{
    if (kind == BonusWildKind || kind == WildKind)
        setFrame(frame + framesPerKind);
}
