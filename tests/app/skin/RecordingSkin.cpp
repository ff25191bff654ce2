// A stand-in skin library that records the calls it receives, in order.
#include <string>

namespace {
std::string& Calls() {
    static std::string calls;
    return calls;
}
}  // namespace

extern "C" {
__attribute__((visibility("default"))) void InitializeSkin() { Calls() += "InitializeSkin;"; }
__attribute__((visibility("default"))) void LoadSkinFile(const char* file, const char* extra) {
    Calls() += std::string("LoadSkinFile(") + file + "," + extra + ");";
}
#ifndef SKIN_WITHOUT_UNLOAD
__attribute__((visibility("default"))) void UnLoadSkin() { Calls() += "UnLoadSkin;"; }
#endif
__attribute__((visibility("default"))) const char* RecordedSkinCalls() { return Calls().c_str(); }
}
