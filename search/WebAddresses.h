// Where the program finds the services it talks to. The values are fixed when
// the program is built (cache variables MELOVIA_SEARCH_SERVICE_BASE_URL and so
// on); nothing is read at run time.
#pragma once

#include <string_view>

// Scheme and host of the audio search service, without a trailing slash.
extern const std::string_view SearchServiceBaseUrl;
// Scheme of the content servers and the fixed start of their host names.
extern const std::string_view ContentHostPrefix;
// The rest of a content server's host name, behind its number and a dot.
extern const std::string_view ContentServerDomain;
// Scheme and host of the internet radio directory, without a trailing slash.
extern const std::string_view RadioDirectoryBaseUrl;
