#include "sounds/cue_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pairon {

namespace {

struct Note {
    double startMs;
    double hz;
    double lengthMs;
    double loudness = 1.0;
    double vibratoHz = 0.0;  // a slow wobble of the pitch, for the sad end
};

struct Drawing {
    std::vector<Note> notes;
    double peak;  // of full scale
};

constexpr double kRate = kCueSampleRate;

// Equal-tempered pitches by name, from A4 = 440 Hz.
double Pitch(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }
constexpr int C5 = 3, E5 = 7, F5 = 8, G5 = 10, A5 = 12, B5 = 14, C6 = 15, D6 = 17, E6 = 19, F6 = 20, A6 = 24;
constexpr int E4 = -5, F4 = -4, G4 = -2, A4 = 0, B4 = 2, Fs4 = -3;

Drawing DrawingOf(Cue cue) {
    switch (cue) {
        case Cue::CardUp:  // a light tap
            return {{{0, Pitch(A6), 65, 1.0}}, 0.16};
        case Cue::TurnBack:  // two soft taps going down
            return {{{0, Pitch(D6), 45, 0.8}, {55, Pitch(B5), 50, 0.7}}, 0.12};
        case Cue::Pair:  // a bright rising chime
            return {{{0, Pitch(E6), 120, 0.8}, {90, Pitch(A6), 135, 1.0}}, 0.2};
        case Cue::Miss:  // a mild falling pair of low notes
            return {{{0, Pitch(G4), 130, 1.0}, {100, Pitch(E4), 125, 0.9}}, 0.2};
        case Cue::Winner:  // a small fanfare
            return {{{0, Pitch(C5), 150, 0.8},
                     {130, Pitch(E5), 150, 0.8},
                     {260, Pitch(G5), 150, 0.85},
                     {390, Pitch(C6), 850, 1.0},
                     {390, Pitch(E5), 850, 0.5},
                     {390, Pitch(G5), 850, 0.5}},
                    0.24};
        case Cue::Draw:  // the same phrase twice, ending on an open chord
            return {{{0, Pitch(E5), 160, 0.8},
                     {170, Pitch(G5), 160, 0.8},
                     {340, Pitch(E5), 160, 0.8},
                     {510, Pitch(G5), 160, 0.8},
                     {680, Pitch(C5), 460, 0.8},
                     {680, Pitch(G5), 460, 0.6}},
                    0.22};
        case Cue::Alone:  // a calm arpeggio up to a held chord
            return {{{0, Pitch(F5), 200, 0.8},
                     {160, Pitch(A5), 200, 0.8},
                     {320, Pitch(C6), 200, 0.8},
                     {480, Pitch(F6), 760, 0.9},
                     {480, Pitch(A5), 760, 0.45},
                     {480, Pitch(C6), 760, 0.45}},
                    0.22};
        case Cue::BadLuck:  // the falling steps of a good-natured "oh dear"
            return {{{0, Pitch(B4), 300, 0.9},
                     {300, Pitch(A4), 300, 0.9},
                     {600, Pitch(G4), 300, 0.9},
                     {900, Pitch(Fs4), 600, 1.0, 5.0},
                     {900, Pitch(F4) / 2, 600, 0.3, 5.0}},
                    0.22};
    }
    return {};
}

// One note: a soft attack, then a decay that reaches silence at its end.
void AddNote(std::vector<double>& samples, const Note& note) {
    const auto first = static_cast<std::size_t>(note.startMs * kRate / 1000.0);
    const auto count = static_cast<std::size_t>(note.lengthMs * kRate / 1000.0);
    const double attack = 0.006 * kRate;
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double x = static_cast<double>(i) / static_cast<double>(count);  // 0 .. 1 through the note
        double envelope = std::exp(-3.0 * x) * (1.0 - x) * (1.0 - x);
        if (static_cast<double>(i) < attack) envelope *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / attack);
        const double hz = note.hz * (1.0 + 0.012 * std::sin(2.0 * std::numbers::pi * note.vibratoHz * t));
        phase += 2.0 * std::numbers::pi * hz / kRate;
        const double partials = std::sin(phase) + 0.25 * std::exp(-6.0 * x) * std::sin(2.0 * phase) +
                                0.08 * std::exp(-10.0 * x) * std::sin(3.0 * phase);
        samples[first + i] += note.loudness * envelope * partials;
    }
}

}  // namespace

std::vector<std::int16_t> DrawCue(Cue cue) {
    const Drawing drawing = DrawingOf(cue);
    const auto audible = static_cast<std::size_t>(CueFileOf(cue).audibleMs * kRate / 1000.0);
    std::vector<double> samples(audible, 0.0);
    for (const Note& note : drawing.notes) AddNote(samples, note);
    double loudest = 0.0;
    for (double s : samples) loudest = std::max(loudest, std::abs(s));
    const double gain = loudest > 0.0 ? drawing.peak * 32767.0 / loudest : 0.0;
    // Whatever the notes do, the cue fades in over 3 ms and out over 10 ms.
    const std::size_t fadeIn = static_cast<std::size_t>(0.003 * kRate);
    const std::size_t fadeOut = static_cast<std::size_t>(0.010 * kRate);
    std::vector<std::int16_t> pcm;
    pcm.reserve(static_cast<std::size_t>(CueFileMs(CueFileOf(cue)) * kRate / 1000.0));
    for (std::size_t i = 0; i < audible; ++i) {
        double fade = 1.0;
        if (i < fadeIn) fade = static_cast<double>(i) / static_cast<double>(fadeIn);
        if (audible - 1 - i < fadeOut) fade = std::min(fade, static_cast<double>(audible - 1 - i) / static_cast<double>(fadeOut));
        pcm.push_back(static_cast<std::int16_t>(std::lround(samples[i] * gain * fade)));
    }
    pcm.resize(pcm.capacity(), 0);
    return pcm;
}

}  // namespace pairon
