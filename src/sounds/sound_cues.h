#pragma once

#include <array>
#include <string_view>

namespace pairon {

// The game's sound cues: short ones for what happens in a turn, one for each
// kind of end. Each is a WAV file beside the game, drawn at build time.
enum class Cue { CardUp, Pair, Miss, TurnBack, Winner, Draw, Alone, BadLuck };
inline constexpr int kCueCount = 8;

struct CueFile {
    Cue cue;
    std::string_view file;
    // How long the cue is heard, in milliseconds: a cue that follows another
    // in the same event waits this long and a little more, so the two never
    // sound at once. The file goes on in silence for kCueTailMs more.
    int audibleMs;
};

inline constexpr std::array<CueFile, kCueCount> kCueFiles = {{
    {Cue::CardUp, "CardUp.wav", 70},
    {Cue::Pair, "Pair.wav", 230},
    {Cue::Miss, "Miss.wav", 230},
    {Cue::TurnBack, "TurnBack.wav", 110},
    {Cue::Winner, "Winner.wav", 1250},
    {Cue::Draw, "Draw.wav", 1150},
    {Cue::Alone, "Alone.wav", 1250},
    {Cue::BadLuck, "BadLuck.wav", 1500},
}};

// Silence at the end of every cue file. A sound server's stream is stopped
// as soon as its last sample is written, and whatever it still buffers is
// dropped: that is this silence, not the end of the cue. And a stream starts
// only once it holds enough to play on, so no file is shorter than
// kCueShortestFileMs.
inline constexpr int kCueTailMs = 160;
inline constexpr int kCueShortestFileMs = 390;

constexpr int CueFileMs(const CueFile& file) {
    return file.audibleMs + kCueTailMs > kCueShortestFileMs ? file.audibleMs + kCueTailMs : kCueShortestFileMs;
}

// The sample format of every cue file.
inline constexpr int kCueSampleRate = 44100;

constexpr const CueFile& CueFileOf(Cue cue) { return kCueFiles[static_cast<std::size_t>(cue)]; }

}  // namespace pairon
