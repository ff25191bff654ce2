#include "search/Search.h"

#include "app/Controls.h"
#include "platform/files/LineReader.h"
#include "search/ResultPageScan.h"
#include "search/WebAddresses.h"

void StartSearch(AppState& app, Platform& platform) {
    // As typed: the HTTP layer escapes what a URL may not carry.
    app.searchQuery = platform.gui.ControlText(ui::SearchBox);
    std::string url(SearchServiceBaseUrl);
    url += "/gsearch.php?section=audio&q=" + app.searchQuery + "&name=1";
    SearchOnline(app, platform, url);
    app.sourceKind = 0;
    app.radioMode = 0;
    app.radioLevel = 0;
}

void SearchOnline(AppState& app, Platform& platform, const std::string& requestUrl) {
    platform.gui.ListClear(ui::TrackList);
    const std::string path = files::TempFolder() + "audio.txt";
    // A failed download must not bring back the page of an earlier search as
    // if it answered this one, so the old file is then left unread.
    if (!platform.web.DownloadToFile(requestUrl, path)) return;
    ScanResultPage(app, platform.gui, path);
}
