#include "SoundBuilder.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double twoPi = 2 * std::numbers::pi;

// Raised-cosine step from 0 to 1 over `width` seconds.
double smoothStep(double t, double width)
{
    if (t <= 0)
        return 0;
    if (t >= width)
        return 1;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / width);
}

// Attack, then the release fade that starts at `length`.
double envelope(double t, double attack, double length, double release)
{
    return smoothStep(t, attack) * (1.0 - smoothStep(t - length, release));
}

}  // namespace

SoundBuilder::SoundBuilder(double seconds) : samples(static_cast<std::size_t>(std::max(0.0, seconds) * sampleRate), 0.0)
{}

void SoundBuilder::note(double start, double frequency, double length, const std::vector<Partial>& partials,
                        double amplitude, double attack)
{
    const double release = std::min(0.06, std::max(0.01, length / 4));
    const auto first = static_cast<std::size_t>(std::max(0.0, start) * sampleRate);
    const auto last = std::min(samples.size(), static_cast<std::size_t>((start + length + release) * sampleRate) + 1);
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i) / sampleRate - start;
        double v = 0;
        for (const Partial& p : partials) {
            const double f = frequency * p.ratio;
            if (f >= sampleRate / 2.0)
                continue;  // above what the file can hold
            v += p.amplitude * std::exp(-t / p.decay) * std::sin(twoPi * f * t);
        }
        samples[i] += amplitude * envelope(t, attack, length, release) * v;
    }
}

void SoundBuilder::brass(double start, double frequency, double length, double amplitude)
{
    const double attack = 0.06, release = 0.12;
    const auto first = static_cast<std::size_t>(std::max(0.0, start) * sampleRate);
    const auto last = std::min(samples.size(), static_cast<std::size_t>((start + length + release) * sampleRate) + 1);
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i) / sampleRate - start;
        // Brightness rises with the attack and settles a little lower while the note is held.
        const double index = 2.6 * smoothStep(t, attack) - 0.9 * smoothStep(t - attack, 0.25);
        const double vibrato = 1.0 + 0.004 * smoothStep(t - 0.2, 0.2) * std::sin(twoPi * 5.5 * t);
        const double phase = twoPi * frequency * t * vibrato;
        const double v = std::sin(phase + index * std::sin(phase)) + 0.25 * std::sin(2 * phase);
        // The chord fades a little as it is held, like players easing off.
        samples[i] += amplitude * envelope(t, attack, length, release) * std::exp(-t / 1.6) * v;
    }
}

std::vector<std::int16_t> SoundBuilder::finish(double peakDb) const
{
    double peak = 0;
    for (double v : samples)
        peak = std::max(peak, std::abs(v));
    const double target = std::pow(10.0, peakDb / 20.0);
    const double gain = peak > 0 ? target / peak : 0.0;
    const std::size_t edge = sampleRate / 1000;
    std::vector<std::int16_t> out(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        double fade = 1.0;
        if (i < edge)
            fade = static_cast<double>(i) / edge;
        else if (samples.size() - 1 - i < edge)
            fade = static_cast<double>(samples.size() - 1 - i) / edge;
        const double v = std::clamp(samples[i] * gain * fade, -1.0, 1.0);
        out[i] = static_cast<std::int16_t>(std::lround(v * 32767.0));
    }
    return out;
}
