#include "platform/gui/qt/QtEnvironment.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace gui::qt {
namespace {

bool IsToolkitNoise(const QString& message) {
    // Without a session runtime folder Qt falls back to one of its own and says so.
    return message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
           // The offscreen and minimal platforms, for features they lack.
           message.startsWith(QLatin1String("This plugin does not support"));
}

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && IsToolkitNoise(message)) return;
    const QString line = qFormatLogMessage(type, context, message);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    if (type == QtFatalMsg) std::abort();
}

}  // namespace

QtEnvironment::QtEnvironment() { qInstallMessageHandler(FilterMessages); }

QtEnvironment::~QtEnvironment() { qInstallMessageHandler(nullptr); }

}  // namespace gui::qt
