// Melovia: builds the real layers, starts up and runs the event loop.
#include "app/AppState.h"
#include "app/EventLoop.h"
#include "app/Platform.h"
#include "app/StartUp.h"
#include "platform/audio/CreateAudioEngine.h"
#include "platform/gui/qt/QtGuiFactory.h"
#include "platform/net/curl/CurlWeb.h"

int main(int argc, char** argv) {
    // The toolkit first: its application object must exist before any window.
    const auto gui = gui::CreateQtGui(argc, argv);
    const auto audio = audio::CreateAudioEngine();
    const auto web = net::CreateCurlWeb();
    Platform platform{*gui, *audio, *web};

    AppState app;
    const Shell shell = StartUp(app, platform);
    // Without a main window no event could ever arrive to end the program.
    if (!shell.mainWindowOpened) return 1;
    return RunEventLoop(app, platform);
}
