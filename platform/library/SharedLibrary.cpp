#include "platform/library/SharedLibrary.h"

#include <dlfcn.h>

#include <utility>

namespace library {

SharedLibrary::~SharedLibrary() { Release(); }

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

std::optional<SharedLibrary> SharedLibrary::Open(const std::filesystem::path& path) {
    // Bind everything now so a library with a missing dependency fails here, not mid-call.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return std::nullopt;
    return SharedLibrary(handle);
}

void* SharedLibrary::Symbol(const char* name) const {
    return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

void SharedLibrary::Release() {
    if (handle_ != nullptr) dlclose(std::exchange(handle_, nullptr));
}

}  // namespace library
