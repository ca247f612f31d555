#include "SoundSet.h"

#include <cmath>

#include "SoundBuilder.h"
#include "media/AssetCatalogue.h"

namespace {

// Frequency of a note given in semitones from the A above middle C.
double pitch(int semitones) { return 440.0 * std::pow(2.0, semitones / 12.0); }
[[maybe_unused]] constexpr int C4 = -9, D4 = -7, E4 = -5, G4 = -2, A4 = 0, C5 = 3, D5 = 5, E5 = 7, G5 = 10, A5 = 12,
                               C6 = 15, E6 = 19, G6 = 22, A6 = 24;

const std::vector<Partial> bell{{1, 1, 0.55}, {2.76, 0.45, 0.22}, {5.40, 0.22, 0.10}, {8.93, 0.08, 0.05}};
const std::vector<Partial> chime{{1, 1, 0.50}, {2.0, 0.22, 0.28}, {3.01, 0.10, 0.14}, {4.17, 0.05, 0.07}};
const std::vector<Partial> mallet{{1, 1, 0.45}, {2.0, 0.30, 0.25}, {3.0, 0.12, 0.12}, {4.0, 0.06, 0.06}};
const std::vector<Partial> xylophone{{1, 1, 0.16}, {3.93, 0.32, 0.04}, {9.0, 0.10, 0.015}};

// A plucked string: harmonics that die away faster the higher they are.
std::vector<Partial> pluck(double decay)
{
    std::vector<Partial> out;
    for (int n = 1; n <= 7; ++n)
        out.push_back({static_cast<double>(n), 1.0 / std::pow(n, 1.3), decay / std::pow(n, 0.7)});
    return out;
}

// Start of the game: a rising arpeggio that settles on a bright major chord.
std::vector<std::int16_t> startJingle()
{
    SoundBuilder s(1.5);
    const int run[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i)
        s.note(0.12 * i, pitch(run[i]), 0.3, mallet, 0.8);
    for (int n : {G5, C6, E6})
        s.note(0.55, pitch(n), 0.75, mallet, 0.55);
    s.note(0.55, pitch(C4), 0.75, pluck(0.6), 0.5);
    return s.finish();
}

// First square of a chain: a shimmering cascade of small bells, high to low.
std::vector<std::int16_t> bellTree()
{
    SoundBuilder s(1.1);
    const int steps[] = {A6 + 12, G6 + 12, E6 + 12, D5 + 24, C6 + 12, A6, G6, E6, D5 + 12, C6, A5, G5};
    for (int i = 0; i < 12; ++i)
        s.note(0.045 * i, pitch(steps[i]), 0.35, bell, 0.55 + 0.03 * i, 0.002);
    return s.finish();
}

// Second step of a chain: a quick rising xylophone run.
std::vector<std::int16_t> xylophoneRun()
{
    SoundBuilder s(0.9);
    const int steps[] = {C5, D5, E5, G5, A5, C6, C6 + 2, E6};
    for (int i = 0; i < 8; ++i)
        s.note(0.055 * i, pitch(steps[i]), 0.3, xylophone, 0.8, 0.002);
    return s.finish();
}

// Longer chains: a fast harp glissando up two octaves of the major scale.
std::vector<std::int16_t> harpGlissando()
{
    SoundBuilder s(1.35);
    const int scale[] = {0, 2, 4, 5, 7, 9, 11};
    for (int i = 0; i < 15; ++i) {
        const int n = C4 + 12 * (i / 7) + scale[i % 7];
        s.note(0.035 * i, pitch(n), 0.8, pluck(0.7), 0.6, 0.002);
    }
    return s.finish();
}

// The special block appears: two clear chime strokes a fourth apart.
std::vector<std::int16_t> confirmChime()
{
    SoundBuilder s(0.9);
    s.note(0.0, pitch(E6), 0.4, chime, 0.8, 0.002);
    s.note(0.11, pitch(A6), 0.6, chime, 0.9, 0.002);
    return s.finish();
}

// Seven or more squares at once: a short brass fanfare on a major chord.
std::vector<std::int16_t> brassFanfare()
{
    SoundBuilder s(1.6);
    s.brass(0.0, pitch(G4), 0.1, 0.5);
    s.brass(0.16, pitch(C4), 1.1, 0.45);
    s.brass(0.16, pitch(E4), 1.1, 0.4);
    s.brass(0.16, pitch(G4), 1.1, 0.4);
    s.brass(0.16, pitch(C5), 1.1, 0.35);
    return s.finish();
}

// Time is up: a falling pizzicato figure ending on a low octave.
std::vector<std::int16_t> pizzicato()
{
    SoundBuilder s(1.3);
    const int steps[] = {G4, E4, D4};
    for (int i = 0; i < 3; ++i)
        s.note(0.16 * i, pitch(steps[i]), 0.22, pluck(0.22), 0.8, 0.003);
    s.note(0.52, pitch(C4), 0.5, pluck(0.35), 0.8, 0.003);
    s.note(0.52, pitch(C4 - 12), 0.5, pluck(0.4), 0.6, 0.003);
    return s.finish();
}

}  // namespace

std::vector<SoundEffectFile> SoundSet::make()
{
    return {{sounds::start.fileName, startJingle()},    {sounds::firstChain.fileName, bellTree()},
            {sounds::chain.fileName, xylophoneRun()},   {sounds::longChain.fileName, harpGlissando()},
            {sounds::special.fileName, confirmChime()}, {sounds::bigClear.fileName, brassFanfare()},
            {sounds::timeUp.fileName, pizzicato()}};
}
