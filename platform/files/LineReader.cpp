#include "platform/files/LineReader.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/text/Cp1251.h"

namespace files {

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;

// One comparison for almost every byte of a text page.
inline bool IsLineEnd(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b <= '\r' && (b == '\n' || b == '\r' || b == '\0');
}
}  // namespace

LineReader::LineReader(const std::string& path)
    : file_(std::fopen(text::PathFromCp1251(path).c_str(), "rb")), buffer_(kBufferSize) {}

bool LineReader::Refill() {
    filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
    position_ = 0;
    return filled_ > 0;
}

bool LineReader::Next(std::string& line) {
    line.clear();
    if (!file_) return false;
    bool any = false;  // a line exists once any byte, its end included, was taken
    for (;;) {
        if (position_ == filled_ && !Refill()) return any;
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (buffer_[position_] == '\n' && ++position_ == filled_) continue;
        }
        const char* start = buffer_.data() + position_;
        const std::size_t available = filled_ - position_;
        std::size_t length = 0;
        while (length < available && !IsLineEnd(start[length])) ++length;
        line.append(start, length);
        position_ += length;
        any = true;
        if (length < available) {
            skipLineFeed_ = buffer_[position_] == '\r';
            ++position_;
            return true;
        }
    }
}

std::string TempFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) folder = "/tmp";
    std::string result = text::Cp1251FromPath(folder);
    if (result.empty() || result.back() != '/') result += '/';
    return result;
}

}  // namespace files
