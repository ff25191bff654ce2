#include "playback/PathParts.h"

namespace {

std::size_t FileStart(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string ChosenFilePath(std::string_view folderPath) {
    return std::string(folderPath.substr(0, folderPath.find('\n')));
}

std::string PathPart(std::string_view path) { return std::string(path.substr(0, FileStart(path))); }

std::string FilePart(std::string_view path) { return std::string(path.substr(FileStart(path))); }
