#include "playback/FolderEntries.h"

#include <filesystem>
#include <system_error>

#include "platform/text/Cp1251.h"
#include "search/TextOperations.h"

namespace {

bool HasPlayableEnding(const std::string& name) {
    const std::string ending = LowerText(TailText(name, 4));
    return ending == ".wav" || ending == ".mp3" || ending == ".mid";
}

// The row must lead back to the file: a name with characters Windows-1251
// lacks turns them into "?" and would open another file or none, and a line
// feed would split the row into two columns. Such names are left out.
bool ShownNamePlays(const std::string& shown, const std::filesystem::path& real) {
    return shown.find('\n') == std::string::npos && text::PathFromCp1251(shown) == real;
}

}  // namespace

std::vector<std::string> PlayableNames(const std::string& folder) {
    namespace fs = std::filesystem;
    const fs::path where = folder.empty() ? fs::path(".") : text::PathFromCp1251(folder);
    std::vector<std::string> names;
    std::error_code error;
    // The iterator never yields "." or "..".
    for (fs::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
        const fs::path real = it->path().filename();
        std::string shown = text::Cp1251FromPath(real);
        if (HasPlayableEnding(shown) && ShownNamePlays(shown, real)) names.push_back(std::move(shown));
    }
    return names;
}
