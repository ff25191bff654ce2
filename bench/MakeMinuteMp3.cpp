// Writes a minute of synthesised music as a 128 kbit/s MP3, the shared input
// of the player-against-mpv measurement: make-minute-mp3 FILE [SECONDS].
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tools/demo-service/Mp3Encoder.h"
#include "tools/demo-service/Music.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s FILE [SECONDS]\n", argv[0]);
        return 2;
    }
    demo::PieceSpec spec;
    spec.seconds = argc == 3 ? std::atoi(argv[2]) : 60;
    if (spec.seconds <= 0 || spec.seconds > 3600) {
        std::fprintf(stderr, "SECONDS must be 1 to 3600\n");
        return 2;
    }
    spec.rootNote = 57;  // A minor, unhurried, with a soft kick
    spec.minor = true;
    spec.beatsPerMinute = 88;
    spec.seed = 7;
    spec.progression = {0, 5, 2, 6};
    spec.softKick = true;

    const std::string mp3 = demo::EncodeMp3(demo::RenderPiece(spec), demo::kSampleRate, 128);
    if (mp3.empty()) {
        std::fprintf(stderr, "encoding failed (is libmp3lame in this FFmpeg?)\n");
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(mp3.data(), static_cast<std::streamsize>(mp3.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
