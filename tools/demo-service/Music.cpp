#include "tools/demo-service/Music.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace demo {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr std::array<int, 7> kMajor = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinor = {0, 2, 3, 5, 7, 8, 10};

double Frequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Deterministic, so a track sounds the same on every start of the service.
class Random {
public:
    explicit Random(unsigned seed) : state_(seed * 2654435761u + 12345u) {}
    unsigned Next(unsigned range) {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % range;
    }

private:
    std::uint32_t state_;
};

struct Voice {
    std::vector<double> harmonics;  // amplitude of partial 1, 2, 3...
    double attack, decay, sustain, release;
    double vibrato = 0;
};

class Mixer {
public:
    explicit Mixer(std::size_t length) : samples_(length, 0.0f) {}

    // Adds one note: additive partials under an ADSR envelope. The partials
    // come from the fundamental's sine and cosine by the Chebyshev recurrence,
    // and without vibrato the fundamental is a rotating phasor: no sine calls
    // per sample, so a track renders in a fraction of its length.
    void Note(const Voice& voice, int midi, double start, double length, double gain) {
        const double step = 2 * kPi * Frequency(midi) / kSampleRate;
        const double stepCos = std::cos(step), stepSin = std::sin(step);
        const auto first = static_cast<std::size_t>(start * kSampleRate);
        const double total = length + voice.release;
        const auto count = static_cast<std::size_t>(total * kSampleRate);
        double c = 1, s = 0;  // cos and sin of the fundamental's phase
        for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            double envelope;
            if (t < voice.attack) envelope = t / voice.attack;
            else if (t < voice.attack + voice.decay)
                envelope = 1.0 - (1.0 - voice.sustain) * (t - voice.attack) / voice.decay;
            else envelope = voice.sustain;
            if (t > length) envelope *= std::max(0.0, 1.0 - (t - length) / voice.release);
            if (voice.vibrato > 0) {
                const double phase = step * static_cast<double>(i) +
                                     voice.vibrato * std::sin(2 * kPi * 5.0 * t) * std::min(1.0, t * 2);
                c = std::cos(phase);
                s = std::sin(phase);
            }
            double previous = 0, current = s;
            double value = voice.harmonics[0] * s;
            for (std::size_t h = 1; h < voice.harmonics.size(); ++h) {
                const double next = 2 * c * current - previous;
                previous = current;
                current = next;
                value += voice.harmonics[h] * current;
            }
            samples_[first + i] += static_cast<float>(gain * envelope * value);
            if (voice.vibrato <= 0) {
                const double nc = c * stepCos - s * stepSin;
                s = s * stepCos + c * stepSin;
                c = nc;
                if ((i & 1023) == 0) {  // keep the phasor on the unit circle
                    const double norm = 1.0 / std::sqrt(c * c + s * s);
                    c *= norm;
                    s *= norm;
                }
            }
        }
    }

    // A soft low thump: a sine falling in pitch.
    void Kick(double start, double gain) {
        const auto first = static_cast<std::size_t>(start * kSampleRate);
        double phase = 0;
        for (std::size_t i = 0; i < kSampleRate / 4 && first + i < samples_.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            phase += 2 * kPi * (45.0 + 70.0 * std::exp(-t * 30)) / kSampleRate;
            samples_[first + i] += static_cast<float>(gain * std::exp(-t * 14) * std::sin(phase));
        }
    }

    std::vector<float> Finish(double echoSeconds) {
        // Echo, then a gentle low-pass to round off the edges.
        const auto delay = static_cast<std::size_t>(echoSeconds * kSampleRate);
        for (std::size_t i = delay; i < samples_.size(); ++i) samples_[i] += 0.28f * samples_[i - delay];
        float smooth = 0;
        for (float& s : samples_) s = smooth += 0.55f * (s - smooth);
        const std::size_t fadeIn = kSampleRate / 2, fadeOut = kSampleRate * 2;
        const std::size_t n = samples_.size();
        for (std::size_t i = 0; i < n; ++i) {
            double g = 1;
            if (i < fadeIn) g = static_cast<double>(i) / fadeIn;
            if (n - i < fadeOut) g = std::min(g, static_cast<double>(n - i) / fadeOut);
            samples_[i] *= static_cast<float>(g);
        }
        float peak = 0;
        for (float s : samples_) peak = std::max(peak, std::abs(s));
        if (peak > 0) for (float& s : samples_) s *= 0.8f / peak;
        return std::move(samples_);
    }

private:
    std::vector<float> samples_;
};

}  // namespace

std::vector<float> RenderPiece(const PieceSpec& spec, const std::atomic<bool>* cancel) {
    const auto& scale = spec.minor ? kMinor : kMajor;
    auto note = [&](int degree, int octave) {  // octave relative to the tonic's
        const int d = ((degree % 7) + 7) % 7;
        return spec.rootNote + 12 * (octave + (degree - d) / 7) + scale[static_cast<std::size_t>(d)];
    };
    const double beat = 60.0 / spec.beatsPerMinute;
    const double bar = 4 * beat;
    const double length = spec.seconds;
    Mixer mixer(static_cast<std::size_t>(length * kSampleRate));
    Random random(spec.seed);

    static const std::array<std::vector<double>, 4> brightness = {
        std::vector<double>{1.0, 0.15},
        std::vector<double>{1.0, 0.3, 0.1},
        std::vector<double>{1.0, 0.45, 0.2, 0.08},
        std::vector<double>{1.0, 0.5, 0.33, 0.2, 0.1},
    };
    const Voice lead{brightness[static_cast<std::size_t>(std::clamp(spec.leadBrightness, 0, 3))],
                     0.02, 0.25, 0.55, 0.25, 0.012};
    const Voice pad{{1.0, 0.25, 0.05}, 0.6, 0.5, 0.8, 0.8};
    const Voice bass{{1.0, 0.5, 0.2}, 0.01, 0.35, 0.35, 0.12};

    // A four-bar tune in eighths, played twice, then a varied answer: A A B A.
    struct TuneNote {
        int degree;
        double start, length;
    };
    auto makePhrase = [&](unsigned variation) {
        std::vector<TuneNote> phrase;
        int degree = 2 + static_cast<int>(random.Next(3));
        for (int b = 0; b < 4; ++b) {
            const int chord = spec.progression[static_cast<std::size_t>(b) % spec.progression.size()];
            for (int e = 0; e < 8;) {
                const int span = 1 + static_cast<int>(random.Next(e % 2 == 0 ? 4 : 2));
                if (random.Next(7) == 0 && e != 0) { e += 1; continue; }  // a breath
                // Lean toward chord tones on strong eighths.
                if (e % 4 == 0) {
                    const int tones[3] = {chord, chord + 2, chord + 4};
                    int best = tones[0];
                    for (int t : tones)
                        for (int o = -7; o <= 7; o += 7)
                            if (std::abs(t + o - degree) < std::abs(best - degree)) best = t + o;
                    degree = best;
                } else {
                    degree += static_cast<int>(random.Next(5)) - 2 + static_cast<int>(variation % 2);
                }
                degree = std::clamp(degree, -1, 9);
                const int len = std::min(span, 8 - e);
                phrase.push_back({degree, b * bar + e * beat / 2, len * beat / 2 * 0.92});
                e += len;
            }
        }
        return phrase;
    };
    const auto phraseA = makePhrase(0);
    const auto phraseB = makePhrase(1);
    const double phraseLength = 4 * bar;

    const int bars = static_cast<int>(length / bar) + 1;
    for (int b = 0; b < bars; ++b) {
        if (cancel && *cancel) return {};
        const double start = b * bar;
        const int chord = spec.progression[static_cast<std::size_t>(b) % spec.progression.size()];
        for (int k = 0; k < 3; ++k) mixer.Note(pad, note(chord + 2 * k, 0), start, bar * 0.95, 0.07);
        for (int q = 0; q < 4; ++q) {
            const int degree = q == 3 ? chord + 4 : chord;
            mixer.Note(bass, note(degree, -2), start + q * beat, beat * 0.8, q % 2 == 0 ? 0.32 : 0.22);
            if (spec.softKick && q % 2 == 0) mixer.Kick(start + q * beat, 0.35);
        }
    }
    // The tune enters after one bar of accompaniment.
    for (int p = 0;; ++p) {
        const double start = bar + p * phraseLength;
        if (start >= length - bar) break;
        if (cancel && *cancel) return {};
        const auto& phrase = (p % 4 == 2) ? phraseB : phraseA;
        for (const TuneNote& n : phrase)
            if (start + n.start < length - 1.5)
                mixer.Note(lead, note(n.degree, 1), start + n.start, n.length, 0.22);
    }
    return mixer.Finish(beat * 0.75);
}

}  // namespace demo
