// Writes the game's two sounds as 16-bit mono WAV files into the folder named
// on the command line: "tada.wav", a brass fanfare for a celebrated win, and
// "chimes.wav", a falling peal of bells for the end of a game.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 44100;

// One sine component of a note: frequency as a multiple of the note's, and
// how fast it dies away (per second; 0 holds it).
struct Partial {
    double ratio;
    double amplitude;
    double decay;
};

// Brass: a full row of harmonics, the higher ones fading a little sooner.
constexpr Partial Brass[] = {{1, 1.0, 1.2},  {2, 0.75, 1.5}, {3, 0.55, 1.8}, {4, 0.4, 2.1},
                             {5, 0.28, 2.4}, {6, 0.18, 2.7}, {7, 0.11, 3.0}, {8, 0.07, 3.3}};

// A bell: the hum, prime, minor third, fifth and nominal, plus inharmonic
// upper partials that ring only briefly.
constexpr Partial Bell[] = {{0.5, 0.45, 1.6}, {1, 1.0, 2.2},   {1.183, 0.4, 3.0}, {1.506, 0.3, 3.6},
                            {2.0, 0.55, 4.0}, {2.514, 0.2, 6.0}, {2.662, 0.15, 7.0}, {3.011, 0.1, 9.0}};

using Signal = std::vector<double>;

// Adds a note with a short linear attack and release around the partials' decay.
void AddNote(Signal& signal, double start, double length, double frequency, std::span<const Partial> partials,
             double attack, double release)
{
    const auto first = static_cast<std::size_t>(start * SampleRate);
    const auto count = static_cast<std::size_t>(length * SampleRate);
    for (std::size_t i = 0; i < count && first + i < signal.size(); ++i) {
        const double t = double(i) / SampleRate;
        const double envelope = std::min({1.0, t / attack, (length - t) / release});
        double sample = 0;
        for (const Partial& p : partials)
            sample += p.amplitude * std::exp(-p.decay * t) * std::sin(2 * std::numbers::pi * frequency * p.ratio * t);
        signal[first + i] += envelope * sample;
    }
}

double Note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

Signal Tada()
{
    Signal signal(SampleRate * 11 / 10);
    const int c5 = 3, e5 = 7, g5 = 10, c6 = 15;
    // A quick rising C major arpeggio into the held chord.
    const int arpeggio[] = {c5, e5, g5};
    for (int i = 0; i < 3; ++i)
        AddNote(signal, 0.08 * i, 0.14, Note(arpeggio[i]), Brass, 0.015, 0.05);
    for (int pitch : {c5, e5, g5, c6})
        AddNote(signal, 0.24, 0.84, Note(pitch), Brass, 0.03, 0.35);
    return signal;
}

Signal Chimes()
{
    Signal signal(SampleRate * 3 / 2);
    const int falling[] = {19, 15, 12, 7}; // E6, C6, A5, E5
    for (int i = 0; i < 4; ++i)
        AddNote(signal, 0.22 * i, 1.5 - 0.22 * i, Note(falling[i]), Bell, 0.004, 0.25);
    return signal;
}

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteWav(const std::string& path, const Signal& signal)
{
    double peak = 0;
    for (double sample : signal)
        peak = std::max(peak, std::abs(sample));
    const double scale = peak > 0 ? 0.8 * 32767 / peak : 0;
    const auto dataBytes = static_cast<std::uint32_t>(signal.size() * 2);

    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4); // format chunk size
    PutLittleEndian(out, 1, 2);  // PCM
    PutLittleEndian(out, 1, 2);  // mono
    PutLittleEndian(out, SampleRate, 4);
    PutLittleEndian(out, SampleRate * 2, 4); // bytes per second
    PutLittleEndian(out, 2, 2);              // bytes per frame
    PutLittleEndian(out, 16, 2);             // bits per sample
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (double sample : signal)
        PutLittleEndian(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample * scale))), 2);
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output-folder\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const bool written = WriteWav(folder + "/tada.wav", Tada()) && WriteWav(folder + "/chimes.wav", Chimes());
    if (!written)
        std::fprintf(stderr, "soundgen: cannot write into %s\n", argv[1]);
    return written ? 0 : 1;
}
