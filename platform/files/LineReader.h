// Reads a file line by line without loading it whole. A line ends at LF, CR,
// CR LF (one end), NUL or the end of the file; lines have no length limit; a
// final line without an end is read, and a file ending in a line end gives no
// extra empty line.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace files {

class LineReader {
public:
    // path is Windows-1251, as the program holds it.
    explicit LineReader(const std::string& path);

    bool is_open() const { return file_ != nullptr; }
    // Reads the next line into line; false at the end of the file.
    bool Next(std::string& line);

private:
    bool Refill();

    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    bool skipLineFeed_ = false;  // the last line ended at a CR that may pair with a LF
};

// The folder the system reports for temporary files, ending with a separator,
// as Windows-1251 text, so file names are appended directly.
std::string TempFolder();

}  // namespace files
