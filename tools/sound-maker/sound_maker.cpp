// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// sound-maker: synthesises the game's sound effects.
//
//   sound-maker OUTDIR   writes one WAV file per effect into OUTDIR
//
// Everything is computed from fixed seeds, so running it again gives byte-identical files.

#include "effects.h"
#include "pcm.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sound-maker OUTDIR\n");
        return 2;
    }
    const std::filesystem::path outDir(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) {
        std::fprintf(stderr, "sound-maker: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const sound::Effect& effect : sound::effects) {
        const std::vector<std::uint8_t> bytes = sound::wavFile(sound::toPcm(effect.make()));
        const std::filesystem::path path = outDir / (std::string(effect.name) + ".wav");
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) {
            std::fprintf(stderr, "sound-maker: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("wrote %s (%zu bytes)\n", path.c_str(), bytes.size());
    }
    return 0;
}
