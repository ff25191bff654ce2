// What start-up acquires beside AppState and the caller keeps until the exit
// sequence has run: the skin library must stay loaded while UnLoadSkin may
// still be called, and is released only afterwards.
#pragma once

#include "platform/library/SharedLibrary.h"

struct Shell {
    library::SharedLibrary skinLibrary;  // holds nothing when the program runs unskinned
    bool mainWindowOpened = false;       // without it no event ever arrives
};
