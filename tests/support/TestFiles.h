#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes (write permission is given back first, so read-only test folders go too).
class TTempFolder {
public:
  TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  ~TTempFolder();

  const std::filesystem::path& Path() const { return Folder; }
  // The full path of Name inside the folder, as a string.
  std::string operator/(const std::string& Name) const { return (Folder / Name).string(); }

private:
  std::filesystem::path Folder;
};

TBytes ReadBytes(const std::string& Path);
void WriteBytes(const std::string& Path, const TBytes& Bytes);
std::string ReadText(const std::string& Path);

// The names of the files a folder holds, sorted.
std::vector<std::string> FileNamesIn(const std::filesystem::path& Folder);

// The message of the Error that Action raises, or "no error".
template <typename Error>
std::string MessageOf(const std::function<void()>& Action)
{
  try {
    Action();
  } catch (const Error& Raised) {
    return Raised.what();
  }
  return "no error";
}

// Real iNES ROMs and code/data logs kept outside the project, when they are there.
std::optional<std::filesystem::path> RealDataFolder();

// Lets writes fail part-way, as on a full disk: while it lives, files may grow only to Limit
// bytes, and a write past it fails with EFBIG instead of ending the process.
class TFileSizeLimit {
public:
  explicit TFileSizeLimit(rlim_t Limit);
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;
  ~TFileSizeLimit();

private:
  rlimit OldLimit{};
  void (*OldHandler)(int);
};
