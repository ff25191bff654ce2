#include "search/Search.h"

void StartSearch(AppState&, Platform&) {}
void SearchOnline(AppState&, Platform&, const std::string&) {}
