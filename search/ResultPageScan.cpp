#include "search/ResultPageScan.h"

#include "app/Controls.h"
#include "platform/files/LineReader.h"
#include "search/TextOperations.h"
#include "search/WebAddresses.h"

namespace {

// A line such as <img class=playimg onclick=go(a,FIELD1,FIELD2,'FIELD3',b)>.
void StreamCheck(AppState& app, std::string& w, ScanCounts& counts) {
    if (FindText(w, "playimg", 1) == 0) return;
    w = TextBetween(w, "(", ")");
    const std::string field1 = TextBetween(w, ",", ",");
    w = RemoveAll(w, "," + field1);
    const std::string field2 = TextBetween(w, ",", ",");
    const std::string field3 = TextBetween(w, "'", "'");
    if (field3.empty()) return;
    std::string url;
    url.append(ContentHostPrefix).append(field1).append(".").append(ContentServerDomain);
    url.append("/u").append(field2).append("/audio/").append(field3).append(".mp3");
    app.trackUrls.Set(counts.urls, std::move(url));  // dropped past the capacity
    ++counts.urls;
}

void TitleCheck(AppState& app, std::string& w, ScanCounts& counts) {
    if (FindText(w, "performer", 1) == 0) return;
    w = RemoveAll(w, "<span>&nbsp;-&nbsp;</span><span id");
    w = RemoveAll(w, "</b>");
    w = RemoveAll(w, "</a>");
    w = RemoveAll(w, "'>");
    w = TextBetween(w, ">", "</span>") + "~";
    w = TextBetween(w, ">", "~");
    const std::string anchor = "<a" + TextBetween(w, "<a", ";") + ";";
    app.workText = RemoveAll(w, anchor);
    // Emptiness is judged before the cleanup: a title that cleans to nothing still counts.
    if (app.workText.empty()) return;
    app.trackTitles.Set(counts.titles, CleanTitle(app.workText));
    ++counts.titles;
}

void DurationCheck(AppState& app, gui::Gui& gui, const std::string& w, ScanCounts& counts) {
    if (FindText(w, "duration", 1) == 0) return;
    const std::string duration = TextBetween(w, ">", "</div>");
    if (duration.empty()) return;
    // Past the arrays' capacity a row could carry neither a title nor a stream
    // URL, so it could not be played or downloaded: such rows are left out.
    if (counts.rows >= app.trackTitles.capacity()) return;
    gui.ListAppend(ui::TrackList,
                   ResultRowLabel(counts.rows, app.trackTitles[counts.rows]) + "\n" + duration);
    ++counts.rows;
}

}  // namespace

std::string ResultRowLabel(int row, const std::string& title) {
    return DecimalText(row) + (row < 10 ? "     " : "   ") + title;
}

ScanCounts ScanResultPage(AppState& app, gui::Gui& gui, const std::string& path) {
    ScanCounts counts;
    files::LineReader reader(path);
    if (!reader.is_open()) return counts;
    // Each check tests the line as the checks before it left it.
    for (std::string w; reader.Next(w);) {
        StreamCheck(app, w, counts);
        TitleCheck(app, w, counts);
        DurationCheck(app, gui, w, counts);
    }
    return counts;
}
