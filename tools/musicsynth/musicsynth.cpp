// musicsynth: writes the game's clock music, an original 30.5-second tune, as
// a RIFF/WAVE PCM file (22,050 Hz, 16-bit, mono).
//
//   musicsynth <output.wav>
//
// The tune is written out below as notes and synthesised from sine partials
// and simple envelopes, so that no audio file lives in the sources and the
// build makes the same bytes every time. It is in A minor at 120 beats a
// minute: a two-beat pickup, fourteen two-second bars that climb towards a
// closing figure of four detached notes, and a final A major chord at 29 s (where
// a 30-tick game clock runs out) that rings away to silence by the end of the
// file. A tick-tock on every beat keeps the pulse under the tune.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double TotalSeconds = 30.5;
constexpr double Beat = 0.5;        // seconds: 120 beats a minute
constexpr double PickupBeats = 2.0; // the bars start one second in
constexpr double BarBeats = 4.0;
constexpr int BarCount = 14;
constexpr double FinalChordAt = PickupBeats * Beat + BarCount * BarBeats * Beat; // 29 s
constexpr double Pi = 3.14159265358979323846;
constexpr double VibratoHz = 5.5;

double barStart(int bar) // bar counts from 1
{
    return (PickupBeats + (bar - 1) * BarBeats) * Beat;
}

double midiToHz(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// Note names as MIDI numbers: A4 = 69.
// clang-format off
enum : int {
    E2 = 40, F2 = 41, G2 = 43, A2 = 45, C3 = 48, D3 = 50, E3 = 52, F3 = 53, G3 = 55, A3 = 57,
    B3 = 59, C4 = 60, Cs4 = 61, D4 = 62, E4 = 64, F4 = 65, G4 = 67, Gs4 = 68, A4 = 69, B4 = 71,
    C5 = 72, Cs5 = 73, D5 = 74, E5 = 76, F5 = 77, G5 = 79, Gs5 = 80, A5 = 81, B5 = 83, C6 = 84,
    Cs6 = 85, D6 = 86, E6 = 88, F6 = 89, Rest = -1
};
// clang-format on

struct Note
{
    int pitch;
    double beats;
};

class Mixer
{
public:
    Mixer()
        : m_samples(std::size_t(TotalSeconds * SampleRate), 0.0)
    {}

    // Adds a tone of sine partials (relative amplitudes, harmonic numbers
    // 1, 2, 3...) under an attack / exponential-decay / release envelope.
    // Partials at or above the Nyquist frequency are left out.
    void tone(double start, double length, double hz, double gain,
              const std::vector<double> &partials, double attack, double decay, double release,
              double vibrato = 0.0)
    {
        const std::size_t first = index(start);
        const std::size_t last = std::min(m_samples.size(), index(start + length + release));
        for (std::size_t i = first; i < last; ++i) {
            const double t = double(i - first) / SampleRate;
            double env = t < attack ? t / attack : std::exp(-(t - attack) / decay);
            if (t > length)
                env *= std::max(0.0, 1.0 - (t - length) / release);
            // A gentle vibrato that sets in late keeps held melody notes
            // alive; `vibrato` is the relative depth of the pitch swing.
            const double wobble = vibrato > 0.0 && t > 0.15
                                      ? vibrato * hz / VibratoHz * std::min(1.0, (t - 0.15) / 0.2) *
                                            std::sin(2 * Pi * VibratoHz * t)
                                      : 0.0;
            const double phase = 2 * Pi * hz * t + wobble;
            double v = 0.0;
            for (std::size_t h = 0; h < partials.size(); ++h) {
                if (hz * double(h + 1) >= SampleRate / 2.0)
                    break;
                v += partials[h] * std::sin(phase * double(h + 1));
            }
            m_samples[i] += gain * env * v;
        }
    }

    // A drum: a sine whose pitch falls from `hzFrom` to `hzTo`, plus noise,
    // both decaying fast.
    void drum(double start, double hzFrom, double hzTo, double toneGain, double noiseGain,
              double decay, double noiseDecay, double brightness)
    {
        const std::size_t first = index(start);
        const double longest = std::max(decay, noiseDecay);
        const std::size_t last =
            std::min(m_samples.size(), first + std::size_t(SampleRate * 8 * longest));
        double phase = 0.0;
        double previousNoise = 0.0;
        for (std::size_t i = first; i < last; ++i) {
            const double t = double(i - first) / SampleRate;
            const double hz = hzTo + (hzFrom - hzTo) * std::exp(-t / 0.03);
            phase += 2 * Pi * hz / SampleRate;
            const double white = noise();
            // A first difference tilts the noise towards the highs.
            const double noisy = brightness * (white - previousNoise) + (1.0 - brightness) * white;
            previousNoise = white;
            m_samples[i] += toneGain * std::exp(-t / decay) * std::sin(phase) +
                            noiseGain * std::exp(-t / noiseDecay) * noisy;
        }
    }

    // The clock: a short wooden knock, higher on the tick than on the tock.
    void tick(double start, bool high, double gain)
    {
        const double hz = high ? 2100.0 : 1550.0;
        tone(start, 0.0, hz, gain, {1.0, 0.0, 0.25}, 0.0015, 0.022, 0.01);
        tone(start, 0.0, hz * 0.5, gain * 0.4, {1.0}, 0.002, 0.03, 0.01);
    }

    std::vector<double> &samples() { return m_samples; }

private:
    static std::size_t index(double seconds)
    {
        return std::size_t(std::lround(seconds * SampleRate));
    }

    double noise()
    {
        // A fixed linear congruential generator: the same file on every build.
        m_seed = m_seed * 1664525U + 1013904223U;
        return double(m_seed >> 8) / double(1U << 24) * 2.0 - 1.0;
    }

    std::vector<double> m_samples;
    std::uint32_t m_seed = 0x5eed1234U;
};

const std::vector<double> LeadPartials{1.0, 0.45, 0.28, 0.12, 0.08, 0.04};
const std::vector<double> BassPartials{1.0, 0.5, 0.11, 0.06, 0.04};
const std::vector<double> PadPartials{1.0, 0.5, 0.33, 0.25, 0.2, 0.16, 0.14};
const std::vector<double> BellPartials{1.0, 0.3, 0.18, 0.0, 0.07};

// One chord a bar, as a bass root and three pad notes.
struct Chord
{
    int root;
    std::array<int, 3> pad;
};

const std::array<Chord, BarCount> Chords{{
    {A2, {A3, C4, E4}},  // 1  intro
    {A2, {A3, C4, E4}},  // 2
    {F2, {A3, C4, F4}},  // 3  the tune
    {G2, {B3, D4, G4}},  // 4
    {A2, {A3, C4, E4}},  // 5
    {E2, {B3, E4, Gs4}}, // 6
    {F2, {A3, C4, F4}},  // 7  the tune again, an octave up
    {G2, {B3, D4, G4}},  // 8
    {C3, {C4, E4, G4}},  // 9
    {E2, {B3, E4, Gs4}}, // 10
    {D3, {A3, D4, F4}},  // 11 the climb
    {E2, {B3, E4, Gs4}}, // 12
    {F2, {A3, C4, F4}},  // 13
    {E2, {B3, D4, Gs4}}, // 14 closing figure on E7
}};

// The melody, bar by bar from bar 3; each bar holds four beats.
const std::array<std::vector<Note>, BarCount> Melody{{
    {},
    {},
    {{A4, 1}, {C5, 0.5}, {E5, 0.5}, {F5, 1.5}, {E5, 0.5}},
    {{D5, 1}, {B4, 0.5}, {D5, 0.5}, {G5, 1.5}, {F5, 0.5}},
    {{E5, 1}, {C5, 0.5}, {A4, 0.5}, {E5, 1}, {D5, 0.5}, {C5, 0.5}},
    {{B4, 1.5}, {Gs4, 0.5}, {B4, 1}, {E5, 1}},
    {{A5, 1}, {F5, 0.5}, {C5, 0.5}, {A5, 1}, {G5, 0.5}, {F5, 0.5}},
    {{G5, 1}, {D5, 0.5}, {B4, 0.5}, {G5, 1}, {F5, 0.5}, {D5, 0.5}},
    {{E5, 0.5}, {G5, 0.5}, {C6, 1}, {B5, 0.5}, {A5, 0.5}, {G5, 1}},
    {{Gs5, 1.5}, {E5, 0.5}, {B4, 1}, {Gs5, 1}},
    {{A5, 0.5}, {F5, 0.5}, {D5, 0.5}, {F5, 0.5}, {A5, 0.5}, {D6, 0.5}, {C6, 0.5}, {A5, 0.5}},
    {{Gs5, 0.5}, {E5, 0.5}, {B4, 0.5}, {E5, 0.5}, {Gs5, 0.5}, {B5, 0.5}, {D6, 0.5}, {B5, 0.5}},
    {{C6, 0.5}, {A5, 0.5}, {F5, 0.5}, {A5, 0.5}, {C6, 0.5}, {F6, 0.5}, {E6, 0.5}, {C6, 0.5}},
    {{E5, 1}, {Gs5, 1}, {B5, 1}, {D6, 1}},
}};

void writeMelody(Mixer &mix)
{
    for (int bar = 1; bar <= BarCount; ++bar) {
        double at = barStart(bar);
        const bool closingFigure = bar == BarCount;
        for (const Note &note : Melody[std::size_t(bar - 1)]) {
            const double length = note.beats * Beat;
            if (note.pitch != Rest) {
                // The closing figure's notes are struck harder and held shorter.
                const double gain = closingFigure ? 0.20 : 0.15;
                mix.tone(at, length * (closingFigure ? 0.7 : 0.92), midiToHz(note.pitch), gain,
                         LeadPartials, 0.012, closingFigure ? 0.5 : 1.4, 0.06, 0.004);
            }
            at += length;
        }
    }
}

void writeBassAndPad(Mixer &mix)
{
    for (int bar = 1; bar <= BarCount; ++bar) {
        const Chord &chord = Chords[std::size_t(bar - 1)];
        const double start = barStart(bar);
        if (bar < BarCount) {
            // Driving eighths, root and octave, louder on the beat.
            for (int eighth = 0; eighth < 8; ++eighth) {
                const int pitch = eighth % 2 == 0 ? chord.root : chord.root + 12;
                const double gain = (eighth % 2 == 0 ? 0.20 : 0.13) * (bar <= 2 ? 0.8 : 1.0);
                mix.tone(start + eighth * Beat / 2, Beat / 2 * 0.8, midiToHz(pitch), gain,
                         BassPartials, 0.005, 0.25, 0.03);
            }
        } else {
            for (int beat = 0; beat < 4; ++beat)
                mix.tone(start + beat * Beat, Beat * 0.6, midiToHz(chord.root), 0.24, BassPartials,
                         0.005, 0.3, 0.04);
        }
        // The pad enters with the tune and thickens as the clock runs down.
        if (bar >= 3) {
            const double padGain = bar >= 11 ? 0.045 : 0.035;
            for (int pitch : chord.pad) {
                mix.tone(start, BarBeats * Beat - 0.05, midiToHz(pitch), padGain, PadPartials, 0.18,
                         6.0, 0.12);
                mix.tone(start, BarBeats * Beat - 0.05, midiToHz(pitch) * 1.004, padGain * 0.6,
                         PadPartials, 0.18, 6.0, 0.12);
            }
        }
    }
}

void writeDrums(Mixer &mix)
{
    // The pickup: just the clock, and a bass note leading into bar 1.
    mix.tick(0.0, true, 0.22);
    mix.tick(Beat, false, 0.22);
    mix.tone(Beat, Beat * 0.8, midiToHz(E2), 0.18, BassPartials, 0.005, 0.25, 0.03);

    for (int bar = 1; bar <= BarCount; ++bar) {
        const double start = barStart(bar);
        for (int beat = 0; beat < 4; ++beat) {
            const double at = start + beat * Beat;
            mix.tick(at, beat % 2 == 0, 0.2);
            const bool closingFigure = bar == BarCount;
            if (bar >= 3 && (beat % 2 == 0 || closingFigure))
                mix.drum(at, 140.0, 48.0, 0.55, 0.0, 0.09, 0.01, 0.0); // kick
            if ((bar >= 11 && beat % 2 == 1) || closingFigure)
                mix.drum(at, 240.0, 190.0, 0.12, 0.16, 0.05, 0.07, 0.3); // snare
            if (bar >= 7 && !closingFigure)
                mix.drum(at + Beat / 2, 0.0, 0.0, 0.0, 0.07, 0.01, 0.025, 0.9); // hat
        }
        // Sixteenth hats in the climb make the clock feel faster.
        if (bar >= 11 && bar < BarCount) {
            for (int sixteenth = 0; sixteenth < 16; sixteenth += 2)
                mix.drum(start + (sixteenth + 1) * Beat / 4, 0.0, 0.0, 0.0, 0.04, 0.01, 0.015, 0.9);
        }
    }
}

void writeFinalChord(Mixer &mix)
{
    // Time is up: a struck A major chord over a low A, a cymbal and a last
    // kick, all ringing out before the file ends.
    const double at = FinalChordAt;
    const double ring = TotalSeconds - at - 0.05;
    for (int pitch : {A2, E3, A3, Cs4, E4, A4, Cs5, E5})
        mix.tone(at, ring * 0.6, midiToHz(pitch), 0.075, BellPartials, 0.004, 0.55, ring * 0.4);
    mix.tone(at, ring * 0.6, midiToHz(A5), 0.16, LeadPartials, 0.006, 0.6, ring * 0.4);
    mix.tone(at, ring * 0.6, midiToHz(Cs6), 0.10, LeadPartials, 0.006, 0.6, ring * 0.4);
    mix.drum(at, 150.0, 45.0, 0.6, 0.0, 0.12, 0.01, 0.0);
    mix.drum(at, 0.0, 0.0, 0.0, 0.16, 0.01, 0.35, 0.8);
}

// Scales the mix to a safe peak and fades the last samples to exact silence.
std::vector<std::int16_t> master(std::vector<double> &samples)
{
    double peak = 0.0;
    for (double v : samples)
        peak = std::max(peak, std::abs(v));
    const double scale = peak > 0.0 ? 0.89 / peak : 1.0;
    const std::size_t fade = SampleRate / 20;
    std::vector<std::int16_t> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        double v = samples[i] * scale;
        const std::size_t left = samples.size() - i;
        if (left < fade)
            v *= double(left) / double(fade);
        pcm[i] = std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    return pcm;
}

void put16(std::string &out, std::uint16_t v)
{
    out += char(v & 0xff);
    out += char(v >> 8);
}

void put32(std::string &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xffff));
    put16(out, std::uint16_t(v >> 16));
}

std::string waveFile(const std::vector<std::int16_t> &pcm)
{
    const std::uint32_t dataBytes = std::uint32_t(pcm.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, SampleRate);
    put32(out, SampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (std::int16_t s : pcm)
        put16(out, std::uint16_t(s));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: musicsynth <output.wav>\n");
        return 2;
    }
    Mixer mix;
    writeDrums(mix);
    writeBassAndPad(mix);
    writeMelody(mix);
    writeFinalChord(mix);
    const std::string file = waveFile(master(mix.samples()));

    std::FILE *out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) {
        std::fprintf(stderr, "musicsynth: could not write %s\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
