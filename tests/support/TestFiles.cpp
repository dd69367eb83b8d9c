#include "TestFiles.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

TTempFolder::TTempFolder()
{
  std::string Template = (fs::temp_directory_path() / "tavrox-test-XXXXXX").string();
  if (!::mkdtemp(Template.data()))
    throw std::runtime_error("cannot create a temporary folder");
  Folder = Template;
}

TTempFolder::~TTempFolder()
{
  std::error_code Error;
  for (auto Entry = fs::recursive_directory_iterator(Folder, Error); !Error && Entry != fs::end(Entry);
       Entry.increment(Error))
    if (Entry->is_directory(Error) && !Entry->is_symlink(Error))
      fs::permissions(Entry->path(), fs::perms::owner_all, fs::perm_options::add, Error);
  fs::permissions(Folder, fs::perms::owner_all, fs::perm_options::add, Error);
  fs::remove_all(Folder, Error);
}

TBytes ReadBytes(const std::string& Path)
{
  std::ifstream File(Path, std::ios::binary | std::ios::ate);
  if (!File)
    throw std::runtime_error("cannot read " + Path);
  TBytes Bytes(static_cast<std::size_t>(File.tellg()));
  File.seekg(0);
  File.read(reinterpret_cast<char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
  return Bytes;
}

void WriteBytes(const std::string& Path, const TBytes& Bytes)
{
  std::ofstream File(Path, std::ios::binary | std::ios::trunc);
  File.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
  if (!File)
    throw std::runtime_error("cannot write " + Path);
}

std::string ReadText(const std::string& Path)
{
  const TBytes Bytes = ReadBytes(Path);
  return std::string(Bytes.begin(), Bytes.end());
}

std::vector<std::string> FileNamesIn(const fs::path& Folder)
{
  std::vector<std::string> Names;
  for (const auto& Entry : fs::directory_iterator(Folder))
    Names.push_back(Entry.path().filename().string());
  std::ranges::sort(Names);
  return Names;
}

std::optional<fs::path> RealDataFolder()
{
  const fs::path Folder(TAVROX_REALDATA_DIR);
  if (fs::is_directory(Folder / "cdl") && fs::is_directory(Folder / "nes"))
    return Folder;
  return std::nullopt;
}

TFileSizeLimit::TFileSizeLimit(rlim_t Limit) : OldHandler(std::signal(SIGXFSZ, SIG_IGN))
{
  getrlimit(RLIMIT_FSIZE, &OldLimit);
  const rlimit NewLimit{Limit, OldLimit.rlim_max};
  setrlimit(RLIMIT_FSIZE, &NewLimit);
}

TFileSizeLimit::~TFileSizeLimit()
{
  setrlimit(RLIMIT_FSIZE, &OldLimit);
  std::signal(SIGXFSZ, OldHandler);
}
