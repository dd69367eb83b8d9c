#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Every byte of a file, from its first. A file of more than MaxSize bytes is refused
// before its content is read (TFileTooLargeError); one that cannot be opened raises
// TFileOpenError, a failed read TFileReadError.
std::vector<std::uint8_t> ReadWholeFile(const std::string& Path, std::int64_t MaxSize);

// Replaces the file at Path with Bytes as one step (see TAtomicFile): when anything fails,
// the file is left as it was.
void WriteWholeFile(const std::string& Path, std::span<const std::uint8_t> Bytes);
void WriteWholeFile(const std::string& Path, std::string_view Text);
