// Texts and colours across the toolkit edge.
#pragma once

#include <QColor>
#include <QString>

#include <string>

#include "platform/gui/Picture.h"
#include "platform/text/Cp1251.h"

namespace gui::qt {

inline QString ToQt(const std::string& cp1251) {
    return QString::fromStdString(text::Utf8FromCp1251(cp1251));
}

inline std::string FromQt(const QString& text) {
    return text::Cp1251FromUtf8(text.toStdString());
}

inline QColor ToQt(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

}  // namespace gui::qt
