// Keeps the toolkit from printing lines that say nothing to our users, and
// sets up what the process needs before the Qt application object exists.
#pragma once

namespace gui::qt {

class QtEnvironment {
public:
    QtEnvironment();
    ~QtEnvironment();
    QtEnvironment(const QtEnvironment&) = delete;
    QtEnvironment& operator=(const QtEnvironment&) = delete;
};

}  // namespace gui::qt
