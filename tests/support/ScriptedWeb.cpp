#include "tests/support/ScriptedWeb.h"

#include <fstream>

#include "platform/text/Cp1251.h"

bool ScriptedWeb::DownloadToFile(const std::string& url, const std::string& path) {
    requests_.push_back(url);
    const auto found = bodies_.find(url);
    if (found == bodies_.end()) return false;
    std::ofstream out(text::PathFromCp1251(path), std::ios::binary | std::ios::trunc);
    out << found->second;
    return static_cast<bool>(out);
}
