// Blocking HTTP transfers as the program sees them. Texts are Windows-1251.
#pragma once

#include <string>

namespace net {

class Web {
public:
    virtual ~Web() = default;

    // One GET whose body replaces the named file; follows redirects. The file is
    // touched only when the transfer succeeded. Returns true on success.
    virtual bool DownloadToFile(const std::string& url, const std::string& path) = 0;
};

}  // namespace net
