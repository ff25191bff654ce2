#include "app/Actions.h"

#include "download/Download.h"
#include "playback/LocalFolder.h"
#include "playback/TrackStart.h"
#include "radio/Radio.h"
#include "search/Search.h"

Actions RealActions() {
    Actions actions;
    actions.startSearch = StartSearch;
    actions.openLocalFile = OpenLocalFile;
    actions.openLocalFileFromDrop = OpenLocalFileFromDrop;
    actions.showRadioGenres = ShowRadioGenres;
    actions.openGenre = OpenGenre;
    actions.openStation = OpenStation;
    actions.openDownloadDialog = OpenDownloadDialog;
    actions.startDownload = StartDownload;
    actions.playResult = PlayResult;
    actions.playLocalFile = PlayLocalFile;
    actions.downloadRunning = DownloadRunning;
    actions.endDownload = EndDownload;
    return actions;
}
