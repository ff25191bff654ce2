#include "platform/audio/engine/MidiDecoder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace audio {

namespace {

constexpr int kRenderFrames = 1024;
// After the last event the player idles for seconds; play this much of the
// notes' release and end there.
constexpr double kTailSeconds = 0.2;
constexpr std::uintmax_t kMaxMidiFileBytes = 16 * 1024 * 1024;

}  // namespace

std::filesystem::path FindSoundFont(const std::vector<std::filesystem::path>& folders) {
    std::error_code error;
    for (const auto& folder : folders)
        if (std::filesystem::is_regular_file(folder / "default-GM.sf2", error))
            return folder / "default-GM.sf2";
    for (const auto& folder : folders) {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            if (entry.path().extension() == ".sf2" && entry.is_regular_file(error))
                found.push_back(entry.path());
        if (!found.empty()) return *std::min_element(found.begin(), found.end());
    }
    return {};
}

bool LooksLikeMidi(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    return in.read(magic, 4) && std::string_view(magic, 4) == "MThd";
}

std::unique_ptr<Decoder> MidiDecoder::Open(const std::filesystem::path& path,
                                           const std::filesystem::path& soundFont, int outputRate,
                                           std::string& error) {
    // Our own one line says what failed; the synthesiser's chatter stays out of stderr.
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
    if (soundFont.empty()) {
        error = "no General MIDI soundfont installed";
        return nullptr;
    }
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    if (sizeError || size > kMaxMidiFileBytes) {
        error = "cannot read the file";
        return nullptr;
    }
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto timing = MidiTiming::Parse(bytes);
    if (!timing) {
        error = "not a readable MIDI file";
        return nullptr;
    }

    std::unique_ptr<MidiDecoder> decoder(new MidiDecoder(std::move(*timing), outputRate));
    decoder->settings_ = new_fluid_settings();
    if (decoder->settings_ == nullptr) {
        error = "out of memory";
        return nullptr;
    }
    fluid_settings_setnum(decoder->settings_, "synth.sample-rate", outputRate);
    fluid_settings_setnum(decoder->settings_, "synth.gain", 0.5);
    // Driven by the samples we render, so no timer thread of the player's own.
    fluid_settings_setstr(decoder->settings_, "player.timing-source", "sample");
    decoder->synth_ = new_fluid_synth(decoder->settings_);
    if (decoder->synth_ == nullptr ||
        fluid_synth_sfload(decoder->synth_, soundFont.c_str(), 1) == FLUID_FAILED) {
        error = "cannot load the soundfont " + soundFont.string();
        return nullptr;
    }
    decoder->player_ = new_fluid_player(decoder->synth_);
    // The player loads the file bytes from memory: the name may be any encoding.
    if (decoder->player_ == nullptr ||
        fluid_player_add_mem(decoder->player_, bytes.data(), bytes.size()) != FLUID_OK ||
        fluid_player_play(decoder->player_) != FLUID_OK) {
        error = "the MIDI player refused the file";
        return nullptr;
    }
    decoder->lengthFrames_ = static_cast<std::int64_t>(
        (decoder->timing_.SecondsAt(decoder->timing_.TotalTicks()) + kTailSeconds) * outputRate);
    return decoder;
}

MidiDecoder::MidiDecoder(MidiTiming timing, int outputRate)
    : timing_(std::move(timing)), outputRate_(outputRate) {}

MidiDecoder::~MidiDecoder() {
    if (player_ != nullptr) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
    }
    if (synth_ != nullptr) delete_fluid_synth(synth_);
    if (settings_ != nullptr) delete_fluid_settings(settings_);
}

DecodeResult MidiDecoder::Read(PcmChunk& chunk) {
    chunk.samples.clear();
    const std::int64_t totalTicks = fluid_player_get_total_ticks(player_);  // 0 until loaded
    if (totalTicks > 0 && fluid_player_get_current_tick(player_) >= totalTicks && tailLeft_ < 0)
        tailLeft_ = static_cast<std::int64_t>(kTailSeconds * outputRate_);
    if (fluid_player_get_status(player_) == FLUID_PLAYER_DONE || tailLeft_ == 0) {
        lengthFrames_ = nextFrame_;
        return DecodeResult::End;
    }
    chunk.samples.resize(kRenderFrames * 2);
    std::int16_t* out = chunk.samples.data();
    if (fluid_synth_write_s16(synth_, kRenderFrames, out, 0, 2, out, 1, 2) != FLUID_OK) {
        chunk.samples.clear();
        return DecodeResult::Failed;
    }
    chunk.sourceFrame = nextFrame_;
    nextFrame_ += kRenderFrames;
    if (tailLeft_ > 0) tailLeft_ = std::max<std::int64_t>(tailLeft_ - kRenderFrames, 0);
    return DecodeResult::Data;
}

bool MidiDecoder::Seek(std::int64_t sourceFrame) {
    const std::int64_t tick = timing_.TickAt(static_cast<double>(sourceFrame) / outputRate_);
    if (fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING &&
        fluid_player_play(player_) != FLUID_OK)
        return false;
    if (fluid_player_seek(player_, static_cast<int>(std::min<std::int64_t>(tick, INT32_MAX))) !=
        FLUID_OK)
        return false;
    fluid_synth_all_sounds_off(synth_, -1);
    nextFrame_ = sourceFrame;
    tailLeft_ = -1;
    return true;
}

}  // namespace audio
