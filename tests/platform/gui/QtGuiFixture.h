// A real Qt layer on the offscreen platform, with helpers to read the events
// it has queued without blocking.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include <cstdlib>
#include <vector>

#include "platform/gui/qt/QtGui.h"

struct OffscreenPlatform {
    OffscreenPlatform() { setenv("QT_QPA_PLATFORM", "offscreen", 1); }
};

class QtGuiFixture : public ::testing::Test {
protected:
    // A pointer move still queued by the platform would reach the next test's
    // application object, which Qt does not survive.
    ~QtGuiFixture() override { QCoreApplication::processEvents(); }

    // The events queued by what the test did so far; never blocks.
    std::vector<gui::Event> QueuedEvents() {
        QCoreApplication::processEvents();
        std::vector<gui::Event> events;
        while (gui.HasQueuedEvent()) events.push_back(gui.WaitEvent());
        return events;
    }
    std::vector<gui::EventType> QueuedControlEventTypes(int control) {
        std::vector<gui::EventType> types;
        for (const gui::Event& e : QueuedEvents())
            if (e.kind == gui::EventKind::ControlEvent && e.control == control)
                types.push_back(e.type);
        return types;
    }
    QWidget* Widget(int number) { return gui.WidgetOf(number); }
    // The timer outlives the test body, so what its handler touches lives here.
    void CountTicks() {
        gui.StartTimer(5, [this] { ++ticks_; });
    }

    // A shown window 0 of 400 x 300 with nothing in it.
    void OpenShownWindow(int number = 0) {
        ASSERT_TRUE(gui.OpenWindow(number, 400, 300, "Test", true));
        gui.ShowWindow(number, true);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Widget(number)));
    }
    void Create(int number, gui::ControlKind kind, int parent, int x, int y, int w, int h,
                std::string text = {}) {
        gui::ControlSpec spec;
        spec.number = number;
        spec.kind = kind;
        spec.parent = parent;
        spec.x = x;
        spec.y = y;
        spec.width = w;
        spec.height = h;
        spec.text = std::move(text);
        gui.CreateControl(spec);
    }

    OffscreenPlatform offscreen_;
    int argc_ = 1;
    char name_[16] = "qt_gui_tests";
    char* argv_[2] = {name_, nullptr};
    int ticks_ = 0;
    gui::qt::QtGui gui{argc_, argv_};
};
