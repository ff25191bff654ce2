// A shared library loaded at run time and released when its owner goes.
#pragma once

#include <filesystem>
#include <optional>

namespace library {

class SharedLibrary {
public:
    SharedLibrary() = default;  // holds no library
    ~SharedLibrary();
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // A path with a folder is opened as it is; a bare file name goes through
    // the system's library search. Empty when the library cannot be loaded.
    static std::optional<SharedLibrary> Open(const std::filesystem::path& path);

    bool loaded() const { return handle_ != nullptr; }

    // The exported function of that name, or nullptr.
    template <typename Function>
    Function Find(const char* name) const {
        return reinterpret_cast<Function>(Symbol(name));
    }

    void Release();

private:
    explicit SharedLibrary(void* handle) : handle_(handle) {}
    void* Symbol(const char* name) const;

    void* handle_ = nullptr;
};

}  // namespace library
