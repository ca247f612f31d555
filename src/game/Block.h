#pragma once

#include "ui/Widget.h"

class RandomGenerator;

// One coloured piece of the playing field.  Shows the cell of the block picture for its kind,
// carries the board's mark, and cycles through the colours while it is wild.
class Block : public Widget {
public:
    // Kinds: the two wild kinds, then the ordinary colours 2 .. colourCount + 1.
    static constexpr int BonusWildKind = 0;
    static constexpr int WildKind = 1;
    static constexpr int firstColourKind = 2;

    // Draws the block's kind from `random`.  Without a picture (bitmap null) the block still
    // counts colourCount × framesPerKind frames, laid out as the block picture's rows.
    Block(Widget* parent, int x, int y, Bitmap* bitmap, int colourCount, int framesPerKind, RandomGenerator& random);

    virtual void setUp(int colourCount, int framesPerKind, RandomGenerator& random);

    void setKind(int k);
    int getKind() const { return kind; }
    bool isMarked() const { return marked; }
    void setMarked(bool b) { marked = b; }
    int getFramesPerKind() const { return framesPerKind; }
    // False only when both kinds are ordinary colours and differ; wild kinds match anything.
    bool matches(const Block& other) const;

    // Wild blocks step to the next colour's first cell; ordinary blocks stay still.
    void update() override;

private:
    int kind = WildKind;
    bool marked = false;
    int framesPerKind = 1;
};
