#include "platform/gui/qt/QtEnvironment.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace gui::qt {
namespace {

// Lines the offscreen and minimal platforms print for features they lack.
bool IsToolkitNoise(const QString& message) {
    return message.startsWith(QLatin1String("This plugin does not support"));
}

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && IsToolkitNoise(message)) return;
    const QString line = qFormatLogMessage(type, context, message);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    if (type == QtFatalMsg) std::abort();
}

}  // namespace

QtEnvironment::QtEnvironment() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0') {
        std::error_code error;
        const auto base = std::filesystem::temp_directory_path(error);
        std::string pattern =
            (error ? std::filesystem::path("/tmp") : base) / "melovia-runtime-XXXXXX";
        // mkdtemp creates it with mode 0700, as the toolkit requires.
        if (mkdtemp(pattern.data()) != nullptr) {
            runtimeDir_ = pattern;
            setenv("XDG_RUNTIME_DIR", runtimeDir_.c_str(), 1);
        }
    }
    qInstallMessageHandler(FilterMessages);
}

QtEnvironment::~QtEnvironment() {
    qInstallMessageHandler(nullptr);
    if (runtimeDir_.empty()) return;
    unsetenv("XDG_RUNTIME_DIR");
    std::error_code ignored;
    std::filesystem::remove_all(runtimeDir_, ignored);
}

}  // namespace gui::qt
