// The real toolkit layer, on Qt 6 Widgets. This header is free of Qt so that
// the program's start-up can create the layer without seeing the toolkit.
#pragma once

#include <memory>

#include "platform/gui/Gui.h"

namespace gui {

// Owns the Qt application object; create one per process, on the thread that
// will run the event loop, and keep argc/argv alive as long as the result.
std::unique_ptr<Gui> CreateQtGui(int& argc, char** argv);

}  // namespace gui
