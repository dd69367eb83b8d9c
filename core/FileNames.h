#pragma once

#include <string>
#include <string_view>

// The file name part of a path: what follows its last separator.
std::string ExtractFileName(std::string_view Path);

// Path with the extension of its file name part (what follows the last "." of that part)
// replaced by Extension; a name without extension gets Extension appended. Dots in folder
// names do not count.
std::string ChangeFileExt(std::string_view Path, std::string_view Extension);

// Folder and Name joined by one separator (a folder that already ends in one gets no other).
std::string JoinPath(std::string_view Folder, std::string_view Name);

// Whether two paths name the same file, also through links, "." or doubled separators.
bool SameFile(const std::string& First, const std::string& Second);
