// Sees every mouse move the application receives and hands it to the layer,
// which keeps one program event per move over its own windows.
#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <QObject>

#include "platform/gui/qt/QtGui.h"

namespace gui::qt {

class MouseMoveFilter : public QObject {
public:
    explicit MouseMoveFilter(QtGui& gui) : gui_(gui) {}

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::MouseMove)
            gui_.NoteMouseMove(receiver, *static_cast<QMouseEvent*>(event));
        return false;
    }

private:
    QtGui& gui_;
};

}  // namespace gui::qt
