#include "AtomicFile.h"

#include "Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int MaxLinkHops = 40;
constexpr int NameAttempts = 16;

fs::path ResolveSymlinks(fs::path Path)
{
  std::error_code Error;
  for (int Hop = 0; Hop < MaxLinkHops && fs::is_symlink(Path, Error); ++Hop) {
    const fs::path Link = fs::read_symlink(Path, Error);
    if (Error)
      break;
    Path = Link.is_absolute() ? Link : Path.parent_path() / Link;
  }
  return Path;
}

std::string RandomSuffix()
{
  static std::mt19937_64 Generator{std::random_device{}()};
  static constexpr char Digits[] = "0123456789abcdef";
  std::string Suffix(12, '0');
  for (char& Digit : Suffix)
    Digit = Digits[Generator() % 16];
  return Suffix;
}

void SyncFolder(const fs::path& Folder)
{
  // Makes the rename itself durable; a folder that cannot be synced does not undo it.
  const TFileDescriptor Handle(::open(Folder.empty() ? "." : Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (Handle)
    ::fsync(Handle.Get());
}

} // namespace

TAtomicFile::TAtomicFile(const std::string& Path) : GivenPath(Path), Target(ResolveSymlinks(Path))
{
  // Opening the target for writing, without truncating it, asks the system whether it
  // may be replaced: a read-only file or a folder is refused here, before anything changes.
  const TFileDescriptor Existing(::open(Target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat Info {};
  if (Existing && ::fstat(Existing.Get(), &Info) == 0) {
    TargetExists = true;
    TargetPermissions = Info.st_mode & 07777;
  } else if (errno != ENOENT) {
    throw TFileCreateError(Path, errno);
  }
  CreateTemporaryFile();
}

TAtomicFile::~TAtomicFile()
{
  if (!Committed) {
    Temporary.Close();
    ::unlink(TemporaryPath.c_str());
  }
}

void TAtomicFile::CreateTemporaryFile()
{
  std::string Prefix = ".";
  Prefix += Target.filename().string();
  Prefix += ".tavrox-";
  for (int Attempt = 0; Attempt < NameAttempts; ++Attempt) {
    TemporaryPath = Target.parent_path() / (Prefix + RandomSuffix());
    // Mode 0666 lets the umask decide, as for any new file.
    Temporary = TFileDescriptor(::open(TemporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (Temporary)
      return;
    if (errno != EEXIST)
      break;
  }
  const int Error = errno;
  TemporaryPath.clear();
  throw TFileCreateError(GivenPath, Error);
}

void TAtomicFile::KeepTargetPermissions()
{
  if (TargetExists && ::fchmod(Temporary.Get(), TargetPermissions) != 0)
    throw TFileWriteError(GivenPath, errno);
}

void TAtomicFile::Write(std::span<const std::uint8_t> Bytes)
{
  if (const int Error = Temporary.WriteAll(Bytes))
    throw TFileWriteError(GivenPath, Error);
}

void TAtomicFile::Commit()
{
  KeepTargetPermissions();
  if (::fsync(Temporary.Get()) != 0)
    throw TFileWriteError(GivenPath, errno);
  if (const int Error = Temporary.Close())
    throw TFileWriteError(GivenPath, Error);
  if (::rename(TemporaryPath.c_str(), Target.c_str()) != 0)
    throw TFileWriteError(GivenPath, errno);
  Committed = true;
  SyncFolder(Target.parent_path());
}
