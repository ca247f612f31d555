#pragma once

#include "media/AssetCatalogue.h"

// The counters of the board that the game screen shows, each in its own number display.
enum class BoardCounter {
    Level,
    Score,
    Removed,
    Target,
    Combo,
    Chain,
};

// The sounds the board asks for, by their role in play.
enum class BoardSound {
    FirstChain,  // a move's first successful scan
    Chain,       // the second scan of a cascade
    LongChain,   // the third and every later scan of a cascade
    Special,     // the special block comes up
    BigClear,    // one scan found seven squares or more
    TimeUp,      // the time budget ran out
};

// The file each sound is loaded from.
constexpr const char* boardSoundFile(BoardSound sound)
{
    switch (sound) {
    case BoardSound::FirstChain: return sounds::firstChain.fileName;
    case BoardSound::Chain: return sounds::chain.fileName;
    case BoardSound::LongChain: return sounds::longChain.fileName;
    case BoardSound::Special: return sounds::special.fileName;
    case BoardSound::BigClear: return sounds::bigClear.fileName;
    case BoardSound::TimeUp: return sounds::timeUp.fileName;
    }
    return "";
}

// What the board rules tell the screen that shows them.  The rules never draw or play
// anything themselves; the game screen implements this.
class BoardListener {
public:
    virtual ~BoardListener() = default;

    // A counter took a new value (each change, also when the value stays the same).
    virtual void counterChanged(BoardCounter counter, int value) = 0;
    // A scan at rest found squares: the points popup shows the rules' `lastPoints` over the
    // marked blocks.
    virtual void showPointsPopup() = 0;
    // The clearing of those blocks has ended.
    virtual void hidePointsPopup() = 0;
    // The rules ask for a sound whatever the sound switch says; the listener plays it only
    // when sound is on.
    virtual void playSound(BoardSound sound) = 0;
    // The time ran out: open the end-of-game panel with the final score.  The time-up sound
    // is asked for separately, straight after this call.
    virtual void gameOver(int finalScore) = 0;
};
