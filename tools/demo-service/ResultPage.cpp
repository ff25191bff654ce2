#include "tools/demo-service/ResultPage.h"

#include <algorithm>
#include <numeric>

#include "platform/text/Cp1251.h"
#include "search/TextOperations.h"

using text::operator""_cp1251;

namespace demo {
namespace {

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + " ") {
        if (c == ' ') {
            if (!word.empty()) words.push_back(LowerText(word));
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

int Matches(const Track& track, const std::vector<std::string>& queryWords) {
    const std::string haystack = LowerText(track.artist + " " + track.title);
    int count = 0;
    for (const std::string& w : queryWords)
        if (FindText(haystack, w, 1) != 0) ++count;
    return count;
}

// The player keeps a title only up to the first closing tag, so only a last
// word that matches the query is marked.
std::string MarkedTitle(const Track& track, const std::vector<std::string>& queryWords) {
    const std::string shown = track.artist + " \x96 " + track.title;  // en dash
    const auto space = shown.rfind(' ');
    const std::string last = shown.substr(space + 1);
    const bool marked =
        std::find(queryWords.begin(), queryWords.end(), LowerText(last)) != queryWords.end();
    if (!marked) return PageText(shown);
    return PageText(shown.substr(0, space + 1)) + "<span class=\"match\">" + PageText(last) +
           "</span>";
}

}  // namespace

std::string PageText(const std::string& cp1251) {
    std::string out;
    for (const char c : cp1251) {
        switch (static_cast<unsigned char>(c)) {
            case '\'': out += "&#39;"; break;
            case '"': out += "&quot;"; break;
            case '!': out += "&#33;"; break;
            case '$': out += "&#036;"; break;
            case '\\': out += "&#092;"; break;
            case 0x96: out += "&#8211;"; break;
            case 0x85: out += "&#8230;"; break;
            case 0xAB: out += "&laquo;"; break;
            case 0xBB: out += "&raquo;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string ResultPage(const std::vector<Track>& tracks, const std::string& query) {
    const std::vector<std::string> words = Words(query);
    std::vector<std::size_t> order(tracks.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return Matches(tracks[a], words) > Matches(tracks[b], words);
    });

    std::string page =
        "<!DOCTYPE html>\r\n<html><head><meta charset=\"windows-1251\">"
        "<title>Audio</title></head>\r\n<body>\r\n<div id=\"results\">\r\n";
    int number = 0;
    for (const std::size_t i : order) {
        const Track& t = tracks[i];
        const std::string n = std::to_string(number++);
        page += "<div class=\"audio\" id=\"audio" + n + "\">\r\n";
        page += "<img class=playimg src=\"/play.gif\" onclick=go(this,0," +
                std::to_string(t.ownerId) + ",'" + t.key + "'," +
                std::to_string(t.piece.seconds) + ")>\r\n";
        page += "<span class=performer><b><a href='#' onclick='find(" + n + ");'>" +
                MarkedTitle(t, words) + "</a></b></span>\r\n";
        page += "<div class=duration>" + DurationText(t.piece.seconds) + "</div>\r\n";
        page += "</div>\r\n";
    }
    page += "</div>\r\n</body></html>\r\n";
    return page;
}

}  // namespace demo
