// Splitting the local file path that folderPath holds into its folder and its name.
#pragma once

#include <string>
#include <string_view>

// A drop of several files holds their paths joined by line feeds; the first
// one is the file we list and play.
std::string ChosenFilePath(std::string_view folderPath);
// Everything up to and including the last "\" or "/"; empty when there is none.
std::string PathPart(std::string_view path);
// Everything after the last "\" or "/"; the whole text when there is none.
std::string FilePart(std::string_view path);
