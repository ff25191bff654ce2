// Windows and the controls that are not lists or pictures.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "platform/gui/qt/QtGui.h"
#include "platform/gui/qt/QtText.h"

namespace gui::qt {
namespace {

void EnableMouseTracking(QWidget* widget) {
    widget->setMouseTracking(true);
    for (QWidget* child : widget->findChildren<QWidget*>()) child->setMouseTracking(true);
}

}  // namespace

WindowWidget* QtGui::Window(int number) const {
    const auto found = windows_.find(number);
    return found == windows_.end() ? nullptr : found->second.get();
}

QWidget* QtGui::WidgetOf(int number) const {
    if (WindowWidget* window = Window(number)) return window;
    const auto found = controls_.find(number);
    return found == controls_.end() ? nullptr : found->second.data();
}

bool QtGui::IsOurs(const QWidget* widget) const {
    if (widget == nullptr) return false;
    const QWidget* top = widget->window();
    for (const auto& [number, window] : windows_)
        if (window.get() == top) return true;
    return false;
}

bool QtGui::OpenWindow(int window, int clientWidth, int clientHeight, const std::string& title,
                       bool minimiseBox) {
    if (WidgetOf(window) != nullptr || clientWidth <= 0 || clientHeight <= 0) return false;
    auto widget = std::make_unique<WindowWidget>(window, queue_);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimiseBox) flags |= Qt::WindowMinimizeButtonHint;
    widget->setWindowFlags(flags);
    widget->setWindowTitle(ToQt(title));
    widget->setFixedSize(clientWidth, clientHeight);
    // Centre the client area; the window manager adds the frame around it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        widget->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                                {clientWidth, clientHeight},
                                                screen->availableGeometry()));
    windows_[window] = std::move(widget);
    return true;
}

void QtGui::SetWindowColour(int window, Rgb colour) {
    if (WindowWidget* w = Window(window)) w->SetColour(ToQt(colour));
}

void QtGui::SetWindowBackground(int window, int picture) {
    WindowWidget* w = Window(window);
    const auto found = pictures_.find(picture);
    if (w == nullptr || found == pictures_.end() || found->second.empty()) return;
    const Picture& p = found->second;
    w->SetBackground(QImage(reinterpret_cast<const uchar*>(p.data()), p.width(), p.height(),
                            p.width() * 4, QImage::Format_RGBA8888)
                         .copy());
}

void QtGui::SetWindowTitle(int window, const std::string& title) {
    if (WindowWidget* w = Window(window)) w->setWindowTitle(ToQt(title));
}

void QtGui::ShowWindow(int window, bool visible) {
    if (WindowWidget* w = Window(window)) w->setVisible(visible);
}

void QtGui::AcceptFileDrops(int window) {
    if (WindowWidget* w = Window(window)) w->setAcceptDrops(true);
}

void QtGui::AddControl(int number, QWidget* widget, int window) {
    EnableMouseTracking(widget);
    controls_[number] = widget;
    controlWindow_[number] = window;
}

void QtGui::CreateControl(const ControlSpec& spec) {
    if (WidgetOf(spec.number) != nullptr) return;  // numbers are unique across windows and controls
    QWidget* parent = WidgetOf(spec.parent);
    if (parent == nullptr) return;
    const auto windowOf = controlWindow_.find(spec.parent);
    const int window = windowOf == controlWindow_.end() ? spec.parent : windowOf->second;
    const ControlIdentity identity{&queue_, spec.number, window};
    const QRect geometry(spec.x, spec.y, std::max(spec.width, 0), std::max(spec.height, 0));
    const QString text = ToQt(spec.text);

    QWidget* widget = nullptr;
    switch (spec.kind) {
        case ControlKind::Container:
            widget = new QWidget(parent);  // clips its children, draws nothing of its own
            break;
        case ControlKind::TabPanel:
            widget = new TabPanelWidget(parent);
            break;
        case ControlKind::TabPage: {
            auto* panel = dynamic_cast<QTabWidget*>(parent);
            if (panel == nullptr) return;
            widget = new QWidget;
            panel->addTab(widget, text);
            EnableMouseTracking(panel);
            AddControl(spec.number, widget, window);
            return;  // the panel places its page
        }
        case ControlKind::TextInput: {
            auto* input = new QLineEdit(text, parent);
            input->setFrame(true);
            input->setAcceptDrops(false);  // a file dropped here goes to the window
            widget = input;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(text, parent);
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, button,
                             [identity] { identity.Report(EventType::Click); });
            widget = button;
            break;
        }
        case ControlKind::List:
            widget = new ListWidget(identity, parent);
            break;
        case ControlKind::PictureBox:
            widget = new PictureWidget(identity, parent);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(text, parent);
            label->setTextFormat(Qt::PlainText);  // titles come from the web
            // A static control paints its own face, so its text stays readable on a dark window.
            label->setAutoFillBackground(true);
            widget = label;
            break;
        }
        case ControlKind::ProgressBar: {
            auto* bar = new QProgressBar(parent);
            bar->setTextVisible(false);
            bar->setRange(0, 100);
            bar->setValue(0);
            widget = bar;
            break;
        }
    }
    widget->setGeometry(geometry);
    widget->show();  // shows with its window
    AddControl(spec.number, widget, window);
}

void QtGui::SetTextColours(int control, Rgb text, Rgb background) {
    QWidget* widget = WidgetOf(control);
    if (widget == nullptr) return;
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, ToQt(text));
        palette.setColor(group, QPalette::WindowText, ToQt(text));
        palette.setColor(group, QPalette::Base, ToQt(background));
        palette.setColor(group, QPalette::Window, ToQt(background));
    }
    widget->setPalette(palette);
}

void QtGui::SetTooltip(int control, const std::string& text) {
    QWidget* widget = WidgetOf(control);
    if (widget == nullptr) return;
    widget->setToolTip(ToQt(text));
    widget->setAttribute(Qt::WA_AlwaysShowToolTips);  // also while the window is inactive
}

std::string QtGui::ControlText(int control) {
    QWidget* widget = WidgetOf(control);
    if (auto* input = dynamic_cast<QLineEdit*>(widget)) return FromQt(input->text());
    if (auto* button = dynamic_cast<QPushButton*>(widget)) return FromQt(button->text());
    if (auto* label = dynamic_cast<QLabel*>(widget)) return FromQt(label->text());
    if (widget != nullptr && widget->isWindow()) return FromQt(widget->windowTitle());
    return {};
}

void QtGui::SetControlText(int control, const std::string& text) {
    QWidget* widget = WidgetOf(control);
    if (auto* input = dynamic_cast<QLineEdit*>(widget))
        input->setText(ToQt(text));
    else if (auto* button = dynamic_cast<QPushButton*>(widget))
        button->setText(ToQt(text));
    else if (auto* label = dynamic_cast<QLabel*>(widget))
        label->setText(ToQt(text));
    else if (widget != nullptr && widget->isWindow())
        widget->setWindowTitle(ToQt(text));
}

void QtGui::SetProgressRange(int control, int low, int high) {
    if (auto* bar = ControlAs<QProgressBar>(control)) bar->setRange(low, std::max(low, high));
}

void QtGui::SetProgressPosition(int control, int position) {
    if (auto* bar = ControlAs<QProgressBar>(control))
        bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
}

}  // namespace gui::qt
