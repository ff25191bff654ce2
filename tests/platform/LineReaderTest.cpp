#include "platform/files/LineReader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/ScratchFolder.h"

namespace {

class LineReaderTest : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes) {
        const auto path = folder_ / "page.txt";
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    static std::vector<std::string> ReadAll(const std::string& path) {
        files::LineReader reader(path);
        std::vector<std::string> lines;
        for (std::string line; reader.Next(line);) lines.push_back(line);
        return lines;
    }

    ScratchFolder scratch_{"line-reader"};
    const std::filesystem::path folder_ = scratch_.path();
};

TEST_F(LineReaderTest, EveryLineEndForm) {
    using Lines = std::vector<std::string>;
    struct Case {
        std::string bytes;
        Lines expected;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {std::string("a\0b\0", 4), {"a", "b"}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"x\xC0\xFF\n", {"x\xC0\xFF"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadAll(Write(c.bytes)), c.expected) << c.bytes;
}

TEST_F(LineReaderTest, LinesLongerThanItsBufferAndEndsAcrossTheBufferEdge) {
    const std::string longLine(1'000'003, 'x');
    EXPECT_EQ(ReadAll(Write(longLine + "\nend")), (std::vector<std::string>{longLine, "end"}));

    // A CR LF split over two reads is still one line end.
    for (std::size_t split : {65535u, 65536u, 65534u}) {
        const std::string first(split, 'a');
        EXPECT_EQ(ReadAll(Write(first + "\r\nb")), (std::vector<std::string>{first, "b"}))
            << split;
    }
}

TEST_F(LineReaderTest, AMissingFileReadsNothing) {
    files::LineReader reader((folder_ / "none.txt").string());
    std::string line = "old";
    EXPECT_FALSE(reader.is_open());
    EXPECT_FALSE(reader.Next(line));
    EXPECT_EQ(line, "");
}

TEST_F(LineReaderTest, WindowsNamesAreOpenedByTheirUtf8Name) {
    std::ofstream(folder_ / "стили.txt") << "Rock\nJazz";
    const std::string name = folder_.string() + "/\xF1\xF2\xE8\xEB\xE8.txt";
    EXPECT_EQ(ReadAll(name), (std::vector<std::string>{"Rock", "Jazz"}));
}

TEST(TempFolder, EndsWithASeparatorAndFollowsTmpdir) {
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    const auto folder = std::filesystem::temp_directory_path() / "melovia-tmpdir-test";
    std::filesystem::create_directories(folder);
    ::setenv("TMPDIR", folder.c_str(), 1);
    EXPECT_EQ(files::TempFolder(), folder.string() + "/");
    ::unsetenv("TMPDIR");
    EXPECT_EQ(files::TempFolder().back(), '/');
    if (old) ::setenv("TMPDIR", saved.c_str(), 1);
    std::filesystem::remove_all(folder);
}

}  // namespace
