// Qt is not built with ThreadSanitizer: its mutexes and semaphores wait on raw
// futexes the sanitizer cannot see, so handovers inside Qt (its thread pool,
// queued calls) look like races. Reports with a Qt frame are Qt's own; our
// code's handovers use std primitives and stay checked.
extern "C" const char* __tsan_default_suppressions() {
    return "race:libQt6Core.so.6\n"
           "race:libQt6Gui.so.6\n"
           "race:libQt6Widgets.so.6\n";
}
