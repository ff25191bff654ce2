#include "platform/net/curl/ScratchFile.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace net {

ScratchFile::ScratchFile(const std::filesystem::path& target) : target_(target) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());  // O_CREAT | O_EXCL, mode 0600
    if (fd < 0) return;
    scratchPath_ = name.data();
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        ::close(fd);
        ::unlink(scratchPath_.c_str());
        scratchPath_.clear();
    }
}

ScratchFile::~ScratchFile() {
    if (file_) std::fclose(file_);
    if (!committed_ && !scratchPath_.empty()) ::unlink(scratchPath_.c_str());
}

bool ScratchFile::Commit() {
    if (!file_) return false;
    // Readable like any file the program writes; mkstemp made it owner-only.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(::fileno(file_), 0666 & ~mask);
    const bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) return false;
    if (::rename(scratchPath_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    return true;
}

}  // namespace net
