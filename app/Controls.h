// The numbers by which the program addresses its windows, controls, pictures
// and the font. Pictures and the font are numbered apart from windows and controls.
#pragma once

namespace ui {

// Windows.
inline constexpr int MainWindow = 0;
inline constexpr int DownloadWindow = 17;

// Controls of MainWindow.
inline constexpr int HeaderContainer = 4;
inline constexpr int HeaderPanel = 2;
inline constexpr int HeaderPage = 3;  // the one page of HeaderPanel
inline constexpr int SearchBox = 7;
inline constexpr int SearchButton = 8;
inline constexpr int LocalButton = 25;
inline constexpr int RadioButton = 26;
inline constexpr int ListContainer = 5;
inline constexpr int TrackList = 9;
inline constexpr int VolumeSlider = 11;
inline constexpr int PlayPauseButton = 23;
inline constexpr int SeekBar = 16;
inline constexpr int TimeDisplay = 24;
inline constexpr int SpectrumBars = 100;  // 100 + i, i = 0 to 85
inline constexpr int SpectrumBarCount = 86;

// Controls of DownloadWindow.
inline constexpr int DownloadTitle = 18;
inline constexpr int DownloadProgress = 19;
inline constexpr int DownloadSizeLabel = 20;
inline constexpr int DownloadReceivedLabel = 21;
inline constexpr int DownloadButton = 22;

// Pictures.
inline constexpr int BackgroundImage = 10;
inline constexpr int VolumeImage = 11;
inline constexpr int KnobImage = 12;
inline constexpr int VolumeTrackImage = 13;
inline constexpr int BarImage = 15;
inline constexpr int SeekImage = 16;
inline constexpr int PlayPauseImage = 23;
inline constexpr int TimeImage = 24;

// Fonts.
inline constexpr int TimeFont = 27;

}  // namespace ui
