#pragma once

#include <cstdint>
#include <vector>

// One partial of a struck or plucked tone: a sine at `ratio` times the note's frequency
// that starts at `amplitude` and dies away with the time constant `decay` (seconds).
struct Partial {
    double ratio = 1, amplitude = 1, decay = 1;
};

// Mixes notes into a sound effect at the game's sample rate and finishes it as 16-bit
// samples: every note fades in and out smoothly, the whole is normalised to a fixed peak.
class SoundBuilder {
public:
    static constexpr int sampleRate = 22050;

    explicit SoundBuilder(double seconds);

    double length() const { return static_cast<double>(samples.size()) / sampleRate; }

    // An additive tone; `length` is when it is released (a short fade follows).
    void note(double start, double frequency, double length, const std::vector<Partial>& partials,
              double amplitude = 1.0, double attack = 0.004);
    // A brass-like tone by frequency modulation whose brightness swells with the attack.
    void brass(double start, double frequency, double length, double amplitude = 1.0);

    // 16-bit samples with the loudest one at `peakDb` below full scale; the first and the
    // last millisecond are faded so that nothing clicks.
    std::vector<std::int16_t> finish(double peakDb = -3.0) const;

private:
    std::vector<double> samples;
};
