// A file written beside its target and moved over it only when complete.
//
// The target may sit in a folder that other users share (the temporary
// folder): the scratch file is created exclusively under a fresh name, so a
// link planted at any predictable name is never followed, and the rename
// replaces whatever stands at the target (a planted link included) instead of
// writing through it. Until Commit the target is not touched.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace net {

class ScratchFile {
public:
    explicit ScratchFile(const std::filesystem::path& target);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    bool is_open() const { return file_ != nullptr; }
    std::FILE* file() const { return file_; }
    // Closes the scratch file and renames it over the target; false on any failure.
    bool Commit();

private:
    std::filesystem::path target_;
    std::string scratchPath_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

}  // namespace net
