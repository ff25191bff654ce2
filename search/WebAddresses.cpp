#include "search/WebAddresses.h"

// The four values arrive as compile definitions on this file alone, so a
// change of address rebuilds one object.
const std::string_view SearchServiceBaseUrl = MELOVIA_SEARCH_SERVICE_BASE_URL;
const std::string_view ContentHostPrefix = MELOVIA_CONTENT_HOST_PREFIX;
const std::string_view ContentServerDomain = MELOVIA_CONTENT_SERVER_DOMAIN;
const std::string_view RadioDirectoryBaseUrl = MELOVIA_RADIO_DIRECTORY_BASE_URL;
