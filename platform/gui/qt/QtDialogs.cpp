// The modal dialogs. Both run their own event loop, in which the display
// timer keeps running.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/gui/qt/QtGui.h"
#include "platform/gui/qt/QtText.h"

namespace gui::qt {
namespace {

// Accepts a name that need not exist yet, but only in a folder that does.
class ExistingFolderFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty()) {
            const QFileInfo file(chosen.front());
            if (!file.isDir() && !file.absoluteDir().exists()) {
                QMessageBox::warning(this, windowTitle(),
                                     QStringLiteral("The folder %1 does not exist.")
                                         .arg(QDir::toNativeSeparators(file.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

// "description|pattern|description|pattern..." as the toolkit's name filters.
// A pattern of "*.*" means every file, also those without a dot in their name.
QStringList NameFilters(const std::string& filter) {
    const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i];
        QString patterns = i + 1 < parts.size() ? parts[i + 1] : description;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QStringList list = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString& pattern : list)
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        filters << QStringLiteral("%1 (%2)").arg(description, list.join(QLatin1Char(' ')));
    }
    return filters;
}

}  // namespace

void QtGui::ShowWarning(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, ToQt(caption), ToQt(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::string QtGui::OpenFileDialog(const std::string& filter) {
    ExistingFolderFileDialog dialog;
    dialog.setWindowTitle(QString());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Our own dialog, so the folder check above always applies; it shows the
    // descriptions alone, as the program wrote them.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setDirectory(QDir::current());
    const QStringList filters = NameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.front());
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return FromQt(dialog.selectedFiles().front());
}

}  // namespace gui::qt
