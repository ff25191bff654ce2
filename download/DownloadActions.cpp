#include "download/Download.h"

void OpenDownloadDialog(AppState&, Platform&) {}
void StartDownload(AppState&, Platform&) {}
bool DownloadRunning(AppState&) { return false; }
void EndDownload(AppState&) {}
