// The layers the program's procedures talk to. Start-up builds the real ones;
// tests hand in scripted stand-ins.
#pragma once

#include "platform/audio/AudioEngine.h"
#include "platform/gui/Gui.h"
#include "platform/net/Web.h"

struct Platform {
    gui::Gui& gui;
    audio::AudioEngine& audio;
    net::Web& web;
};
