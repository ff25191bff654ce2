#include "tests/support/ScriptedAudio.h"

#include <algorithm>
#include <sstream>

bool ScriptedAudio::Init(int device, int frequency) {
    log_.push_back("Init " + std::to_string(device) + " " + std::to_string(frequency));
    return true;
}

audio::Handle ScriptedAudio::Create(const std::string& call, const std::string& source) {
    log_.push_back(call + " " + source);
    if (!opens_(source)) return 0;
    const audio::Handle h = nextHandle_++;
    streams_[h].source = source;
    return h;
}

audio::Handle ScriptedAudio::StreamCreateFile(const std::string& path) {
    return Create("StreamCreateFile", path);
}

audio::Handle ScriptedAudio::StreamCreateUrl(const std::string& url) {
    return Create("StreamCreateUrl", url);
}

ScriptedAudio::Stream* ScriptedAudio::Find(audio::Handle h) {
    const auto found = streams_.find(h);
    return found == streams_.end() ? nullptr : &found->second;
}

void ScriptedAudio::Log(const std::string& call, audio::Handle h, const std::string& more) {
    log_.push_back(call + " " + std::to_string(h) + (more.empty() ? "" : " " + more));
}

bool ScriptedAudio::StreamFree(audio::Handle stream) {
    Log("StreamFree", stream);
    return streams_.erase(stream) != 0;
}

bool ScriptedAudio::ChannelPlay(audio::Handle stream, bool restart) {
    Log("ChannelPlay", stream, restart ? "restart" : "");
    Stream* s = Find(stream);
    if (!s) return false;
    s->activity = audio::Playing;
    return true;
}

bool ScriptedAudio::ChannelPause(audio::Handle stream) {
    Log("ChannelPause", stream);
    Stream* s = Find(stream);
    if (!s) return false;
    s->activity = audio::Paused;
    return true;
}

int ScriptedAudio::ChannelIsActive(audio::Handle stream) {
    ++activeQueries_;
    Stream* s = Find(stream);
    return s ? s->activity : audio::Stopped;
}

bool ScriptedAudio::ChannelSetPosition(audio::Handle stream, std::int64_t bytes) {
    Log("ChannelSetPosition", stream, std::to_string(bytes));
    Stream* s = Find(stream);
    if (!s) return false;
    s->position = bytes;
    return true;
}

std::int64_t ScriptedAudio::ChannelGetPosition(audio::Handle stream) {
    Stream* s = Find(stream);
    return s ? s->position : -1;
}

std::int64_t ScriptedAudio::ChannelGetLength(audio::Handle stream) {
    Stream* s = Find(stream);
    return s ? s->length : -1;
}

double ScriptedAudio::ChannelBytes2Seconds(audio::Handle stream, std::int64_t bytes) {
    Stream* s = Find(stream);
    if (!s || bytes < 0) return -1.0;
    return static_cast<double>(bytes) / s->bytesPerSecond;
}

std::int32_t ScriptedAudio::ChannelGetData(audio::Handle stream, float* buffer, std::uint32_t flags) {
    Stream* s = Find(stream);
    if (!s || s->spectrumFails || flags != audio::kDataFft2048) return -1;
    const auto count = std::min<std::size_t>(s->spectrum.size(), audio::kFftBins);
    std::copy_n(s->spectrum.begin(), count, buffer);
    return audio::kFftBins * static_cast<std::int32_t>(sizeof(float));
}

bool ScriptedAudio::ChannelSetAttribute(audio::Handle stream, int attribute, float value) {
    std::ostringstream v;
    v << attribute << " " << value;
    Log("ChannelSetAttribute", stream, v.str());
    Stream* s = Find(stream);
    if (!s || attribute != audio::kAttributeVolume) return false;
    s->volume = value;
    return true;
}
