// Pictures are our own buffers; the toolkit only draws text into them and
// shows copies of them in picture controls.
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>

#include <cmath>

#include "platform/gui/png/PngDecoder.h"
#include "platform/gui/qt/QtGui.h"
#include "platform/gui/qt/QtText.h"

namespace gui::qt {
namespace {

// A view of the buffer, not a copy: painting on it draws into the picture.
QImage ImageOver(Picture& picture) {
    return QImage(reinterpret_cast<uchar*>(picture.data()), picture.width(), picture.height(),
                  picture.width() * 4, QImage::Format_RGBA8888);
}

}  // namespace

void QtGui::CreatePicture(int picture, int width, int height) {
    pictures_[picture] = Picture(std::max(width, 0), std::max(height, 0));
}

bool QtGui::LoadPicture(int picture, const std::vector<unsigned char>& png) {
    std::optional<Picture> decoded = png::DecodePng(png);
    pictures_[picture] = decoded ? std::move(*decoded) : Picture();
    return decoded.has_value();
}

Picture& QtGui::PictureBuffer(int picture) {
    return pictures_[picture];
}

void QtGui::CreateFont(int font, const std::string& family, int points) {
    QFont qfont(ToQt(family));
    // The character height in pixels for the screen's vertical resolution, as
    // the program's layout was measured with.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi / 72.0))));
    qfont.setWeight(QFont::Normal);
    qfont.setItalic(false);
    qfont.setUnderline(false);
    qfont.setStrikeOut(false);
    // Small display text stays crisp and exactly in its colour, as a plain
    // text call on a bitmap draws it.
    qfont.setStyleStrategy(QFont::NoAntialias);
    qfont.setHintingPreference(QFont::PreferFullHinting);
    fonts_[font] = qfont;
}

void QtGui::DrawText(int picture, int font, int x, int y, const std::string& text, Rgb colour,
                     Rgb background) {
    const auto found = pictures_.find(picture);
    if (found == pictures_.end() || found->second.empty()) return;
    const auto fontFound = fonts_.find(font);
    const QFont qfont = fontFound == fonts_.end() ? QGuiApplication::font() : fontFound->second;
    const QString line = ToQt(text);
    QImage image = ImageOver(found->second);
    QPainter painter(&image);
    painter.setFont(qfont);
    const QFontMetrics metrics(qfont);
    // Like an opaque text call: the text's cell is filled first, (x, y) is its top-left.
    painter.fillRect(x, y, metrics.horizontalAdvance(line), metrics.height(), ToQt(background));
    painter.setPen(ToQt(colour));
    painter.drawText(x, y + metrics.ascent(), line);
}

void QtGui::SetControlPicture(int control, int picture) {
    auto* widget = ControlAs<PictureWidget>(control);
    const auto found = pictures_.find(picture);
    if (widget == nullptr || found == pictures_.end()) return;
    widget->SetImage(ImageOver(found->second).convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

}  // namespace gui::qt
