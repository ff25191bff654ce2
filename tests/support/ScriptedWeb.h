// An in-memory HTTP layer for tests: URLs map to bodies; any other URL fails
// and leaves the target file untouched.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/net/Web.h"

class ScriptedWeb : public net::Web {
public:
    void Serve(const std::string& url, std::string body) { bodies_[url] = std::move(body); }
    const std::vector<std::string>& requests() const { return requests_; }

    bool DownloadToFile(const std::string& url, const std::string& path) override;

private:
    std::map<std::string, std::string> bodies_;
    std::vector<std::string> requests_;
};
