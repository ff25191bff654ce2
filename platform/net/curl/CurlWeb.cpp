#include "platform/net/curl/CurlWeb.h"

#include <curl/curl.h>

#include <cstdio>
#include <memory>

#include "platform/net/curl/ScratchFile.h"
#include "platform/net/curl/UrlEscape.h"
#include "platform/text/Cp1251.h"

namespace net {
namespace {

// The search page download blocks the window, so a dead or stalled server
// must give up on its own.
constexpr long kConnectSeconds = 10;
constexpr long kStallSeconds = 15;
constexpr long kStallBytesPerSecond = 64;
constexpr long kMaxRedirects = 10;

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* user) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(user)) * size;
}

class CurlWeb final : public Web {
public:
    CurlWeb() : initialised_(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}
    ~CurlWeb() override {
        if (initialised_) curl_global_cleanup();
    }
    CurlWeb(const CurlWeb&) = delete;
    CurlWeb& operator=(const CurlWeb&) = delete;

    bool DownloadToFile(const std::string& url, const std::string& path) override {
        if (!initialised_) return false;
        std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
        if (!easy) return false;
        ScratchFile scratch(text::PathFromCp1251(path));
        if (!scratch.is_open()) return false;

        const std::string escaped = EscapeUrl(url);
        CURL* e = easy.get();
        curl_easy_setopt(e, CURLOPT_URL, escaped.c_str());
        curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(e, CURLOPT_MAXREDIRS, kMaxRedirects);
        curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
        curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, kStallBytesPerSecond);
        curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
        curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);  // no SIGALRM in a threaded program
        curl_easy_setopt(e, CURLOPT_USERAGENT, "Melovia/0.1");
        curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, WriteBody);
        curl_easy_setopt(e, CURLOPT_WRITEDATA, scratch.file());

        if (curl_easy_perform(e) != CURLE_OK) return false;
        long status = 0;
        curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &status);
        if (status < 200 || status >= 400) return false;
        return scratch.Commit();
    }

private:
    bool initialised_;
};

}  // namespace

std::unique_ptr<Web> CreateCurlWeb() { return std::make_unique<CurlWeb>(); }

}  // namespace net
