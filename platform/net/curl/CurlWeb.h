// net::Web on libcurl. The header keeps curl out of its includers.
#pragma once

#include <memory>

#include "platform/net/Web.h"

namespace net {

// Each call of DownloadToFile runs its own transfer, so calls from several
// threads do not meet.
std::unique_ptr<Web> CreateCurlWeb();

}  // namespace net
