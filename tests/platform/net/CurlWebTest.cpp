#include "platform/net/curl/CurlWeb.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>

#include "platform/net/curl/UrlEscape.h"
#include "platform/text/Cp1251.h"
#include "tests/support/LoopbackPort.h"
#include "tests/support/ScratchFolder.h"

using text::operator""_cp1251;
namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A scripted server on 127.0.0.1 at a port the system picks, run for one test.
class CurlWebTest : public ::testing::Test {
protected:
    void SetUp() override {
        server_.Get("/page", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("fresh\r\nbody", "text/html");
        });
        server_.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("not here", "text/html");
        });
        server_.Get("/broken", [](const httplib::Request&, httplib::Response& res) {
            res.status = 500;
        });
        server_.Get("/moved", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/page");
        });
        server_.Get("/loop", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/loop");
        });
        server_.Get("/to-file", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("file:///etc/hostname");
        });
        server_.Get("/echo", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(req.target, "text/plain");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        ASSERT_GT(port_, 0);
        thread_ = std::thread([this] { server_.listen_after_bind(); });

    }
    void TearDown() override {
        server_.stop();
        if (thread_.joinable()) thread_.join();
    }

    std::string Url(const std::string& path) {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    bool Download(const std::string& url) {
        return web_->DownloadToFile(url, text::Cp1251FromPath(target_));
    }
    // Everything in the folder except the names given: leftover scratch files.
    std::vector<std::string> Leftovers(std::initializer_list<std::string> expected) {
        std::vector<std::string> extra;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            if (std::find(expected.begin(), expected.end(), name) == expected.end())
                extra.push_back(name);
        }
        return extra;
    }

    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    ScratchFolder scratch_{"curl-web"};
    const fs::path folder_ = scratch_.path();
    const fs::path target_ = folder_ / "audio.txt";
    std::unique_ptr<net::Web> web_ = net::CreateCurlWeb();
};

TEST_F(CurlWebTest, BodyReplacesTheFileAndRedirectsAreFollowed) {
    std::ofstream(target_) << "an older and longer page";
    ASSERT_TRUE(Download(Url("/page")));
    EXPECT_EQ(ReadFile(target_), "fresh\r\nbody");

    fs::remove(target_);
    ASSERT_TRUE(Download(Url("/moved")));
    EXPECT_EQ(ReadFile(target_), "fresh\r\nbody");
    EXPECT_TRUE(Leftovers({"audio.txt"}).empty());
}

TEST_F(CurlWebTest, FailuresLeaveTheOldFileUntouched) {
    const int deadPort = FreeLoopbackPort();

    const std::string failing[] = {
        Url("/missing"), Url("/broken"), Url("/loop"), Url("/to-file"),
        "file:///etc/hostname", "http://127.0.0.1:" + std::to_string(deadPort) + "/page",
        "not a url",
    };
    std::ofstream(target_) << "old page";
    for (const std::string& url : failing) {
        SCOPED_TRACE(url);
        EXPECT_FALSE(Download(url));
        EXPECT_EQ(ReadFile(target_), "old page");
        EXPECT_TRUE(Leftovers({"audio.txt"}).empty());
    }
}

TEST_F(CurlWebTest, QueryWithSpacesAndCyrillicArrivesEscaped) {
    ASSERT_TRUE(Download(Url("/echo?q=Depeche Mode Ремикс&x=%41\"|~"_cp1251)));
    EXPECT_EQ(ReadFile(target_), "/echo?q=Depeche%20Mode%20%D0%E5%EC%E8%EA%F1&x=%41\"|~");
}

TEST_F(CurlWebTest, PlantedSymlinkIsReplacedNotWrittenThrough) {
    const fs::path victim = folder_ / "victim.txt";
    std::ofstream(victim) << "precious";
    fs::create_symlink(victim, target_);

    EXPECT_FALSE(Download(Url("/missing")));
    EXPECT_TRUE(fs::is_symlink(target_));
    EXPECT_EQ(ReadFile(victim), "precious");

    ASSERT_TRUE(Download(Url("/page")));
    EXPECT_FALSE(fs::is_symlink(target_));
    EXPECT_TRUE(fs::is_regular_file(target_));
    EXPECT_EQ(ReadFile(target_), "fresh\r\nbody");
    EXPECT_EQ(ReadFile(victim), "precious");
}

TEST(EscapeUrl, OnlyWhatAUrlMayNotCarry) {
    EXPECT_EQ(net::EscapeUrl("http://h/a b?q=%20x&y=1#f"), "http://h/a%20b?q=%20x&y=1#f");
    EXPECT_EQ(net::EscapeUrl(std::string("\x01\x7F\x80\xFF\t", 5)), "%01%7F%80%FF%09");
    EXPECT_EQ(net::EscapeUrl("Ёё"_cp1251), "%A8%B8");
}

}  // namespace
