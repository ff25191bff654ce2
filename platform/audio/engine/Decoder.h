// A decoder turns one source (a file, a URL, a MIDI file) into blocks of
// interleaved 16-bit stereo at the output rate, counting positions in frames
// of the source's own rate.
//
// Threads: the engine creates a decoder on the GUI thread and hands it to its
// channel's decode thread, which alone calls Read, Seek and LengthFrames from
// then on. Interrupt may be called from any thread.
#pragma once

#include <cstdint>
#include <vector>

namespace audio {

struct SourceFormat {
    int sampleRate = 0;
    int channels = 0;
};

struct PcmChunk {
    std::int64_t sourceFrame = 0;       // source position of the chunk's first frame
    std::vector<std::int16_t> samples;  // interleaved stereo at the output rate
};

enum class DecodeResult { Data, End, Failed };

class Decoder {
public:
    virtual ~Decoder() = default;

    virtual SourceFormat Format() const = 0;
    virtual bool IsNetworkStream() const = 0;
    // Source frames, -1 while unknown (an endless stream stays unknown).
    virtual std::int64_t LengthFrames() const = 0;
    // Data fills chunk with at least one frame; End and Failed leave it empty.
    virtual DecodeResult Read(PcmChunk& chunk) = 0;
    // The next Read starts at sourceFrame; false leaves the position as it was.
    virtual bool Seek(std::int64_t sourceFrame) = 0;
    // Makes a blocking Read or Seek give up soon; there is no way back.
    virtual void Interrupt() = 0;
};

}  // namespace audio
