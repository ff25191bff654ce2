#include "app/EventLoop.h"

#include "app/Dispatch.h"
#include "app/PointerFeedback.h"
#include "app/Skin.h"

int RunEventLoop(AppState& app, Platform& platform) {
    return RunEventLoop(app, platform, RealActions());
}

int RunEventLoop(AppState& app, Platform& platform, const Actions& actions) {
    for (;;) {
        const gui::Event event = platform.gui.WaitEvent();
        app.eventKind = event.kind;
        app.eventControl = event.control;
        app.eventWindow = event.window;
        // Before the dispatch, so an ended track is followed even when a click comes next.
        AutoAdvance(app, platform, actions);
        if (Dispatch(app, platform, event, actions) == AfterDispatch::Exit) break;
        HandleVolumeDrag(app, platform, app.eventKind);
        UpdateHoverCursor(platform, app.eventKind);
    }
    // Windows, pictures, fonts and the skin library are released by their owners afterwards.
    UnloadSkin(app);
    return 0;
}
