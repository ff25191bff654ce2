#include "platform/gui/qt/QtGuiFactory.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>

#include "platform/gui/png/PngDecoder.h"
#include "platform/gui/qt/MouseMoveFilter.h"
#include "platform/gui/qt/QtGui.h"
#include "resources/StoredPictures.h"

namespace gui {

std::unique_ptr<Gui> CreateQtGui(int& argc, char** argv) {
    return std::make_unique<qt::QtGui>(argc, argv);
}

namespace qt {
namespace {

QIcon ApplicationIcon() {
    QIcon icon;
    for (const std::vector<unsigned char>& png : resources::IconPngs()) {
        std::optional<Picture> picture = png::DecodePng(png);
        if (!picture) continue;
        const QImage image(reinterpret_cast<const uchar*>(picture->data()), picture->width(),
                           picture->height(), picture->width() * 4, QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image.copy()));
    }
    return icon;
}

}  // namespace

QtGui::QtGui(int& argc, char** argv) : application_(std::make_unique<QApplication>(argc, argv)) {
    QApplication::setApplicationName(QStringLiteral("Melovia"));
    QGuiApplication::setDesktopFileName(QStringLiteral("melovia"));
    QApplication::setWindowIcon(ApplicationIcon());
    // Fontconfig usually maps it already; this covers setups where it does not.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    mouseMoveFilter_ = std::make_unique<MouseMoveFilter>(*this);
    application_->installEventFilter(mouseMoveFilter_.get());
}

QtGui::~QtGui() {
    if (handShown_) QGuiApplication::restoreOverrideCursor();
    application_->removeEventFilter(mouseMoveFilter_.get());
    timer_.reset();
    windows_.clear();  // deletes every control with its window
}

}  // namespace qt
}  // namespace gui
