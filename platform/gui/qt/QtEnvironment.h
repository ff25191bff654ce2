// What the process needs in place before the Qt application object exists:
// a private runtime folder when the session has none, the Arial substitute,
// and a filter for toolkit messages that say nothing to our users.
#pragma once

#include <string>

namespace gui::qt {

class QtEnvironment {
public:
    QtEnvironment();
    ~QtEnvironment();
    QtEnvironment(const QtEnvironment&) = delete;
    QtEnvironment& operator=(const QtEnvironment&) = delete;

private:
    std::string runtimeDir_;  // ours to remove; empty when the session provided one
};

}  // namespace gui::qt
