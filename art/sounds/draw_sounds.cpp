// Draws every sound cue of the game into a folder, as 16-bit mono PCM WAV:
//   pairon-draw-sounds <folder>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sounds/cue_drawing.h"

namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int b = 0; b < bytes; ++b) out.push_back(static_cast<char>((value >> (8 * b)) & 0xFF));
}

bool WriteWav(const std::filesystem::path& path, const std::vector<std::int16_t>& pcm) {
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    std::string file = "RIFF";
    PutLittleEndian(file, 36 + dataBytes, 4);
    file += "WAVEfmt ";
    PutLittleEndian(file, 16, 4);                        // format chunk size
    PutLittleEndian(file, 1, 2);                         // PCM
    PutLittleEndian(file, 1, 2);                         // mono
    PutLittleEndian(file, pairon::kCueSampleRate, 4);    // samples per second
    PutLittleEndian(file, pairon::kCueSampleRate * 2, 4);  // bytes per second
    PutLittleEndian(file, 2, 2);                         // bytes per frame
    PutLittleEndian(file, 16, 2);                        // bits per sample
    file += "data";
    PutLittleEndian(file, dataBytes, 4);
    for (std::int16_t s : pcm) PutLittleEndian(file, static_cast<std::uint16_t>(s), 2);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pairon-draw-sounds <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const pairon::CueFile& cue : pairon::kCueFiles) {
        if (!WriteWav(folder / std::string(cue.file), pairon::DrawCue(cue.cue))) {
            std::fprintf(stderr, "pairon-draw-sounds: cannot write %s\n", (folder / std::string(cue.file)).c_str());
            return 1;
        }
    }
    return 0;
}
