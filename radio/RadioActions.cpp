#include "radio/Radio.h"

void ShowRadioGenres(AppState&, Platform&) {}
void OpenGenre(AppState&, Platform&) {}
void OpenStation(AppState&, Platform&) {}
