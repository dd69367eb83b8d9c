#include "WholeFile.h"

#include "AtomicFile.h"
#include "Errors.h"
#include "FileDescriptor.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

TFileDescriptor OpenForReading(const std::string& Path, struct stat& Info)
{
  TFileDescriptor File(::open(Path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!File || ::fstat(File.Get(), &Info) != 0)
    throw TFileOpenError(Path, errno);
  if (S_ISDIR(Info.st_mode))
    throw TFileOpenError(Path, EISDIR);
  return File;
}

void ReadInto(const TFileDescriptor& File, std::span<std::uint8_t> Buffer, std::size_t& Filled,
              const std::string& Path)
{
  if (const int Error = File.ReadUpTo(Buffer, Filled))
    throw TFileReadError(Path, Error);
}

} // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& Path, std::int64_t MaxSize)
{
  struct stat Info {};
  const TFileDescriptor File = OpenForReading(Path, Info);
  if (Info.st_size > MaxSize)
    throw TFileTooLargeError(Path, MaxSize);

  std::vector<std::uint8_t> Bytes(static_cast<std::size_t>(Info.st_size));
  std::size_t Filled = 0;
  ReadInto(File, Bytes, Filled, Path);
  Bytes.resize(Filled);

  // The size fstat gives is not the whole story for a file that grows while it is read,
  // or for pipes and devices, which report none: read on to the real end.
  std::array<std::uint8_t, 65536> Chunk;
  do {
    ReadInto(File, Chunk, Filled, Path);
    if (static_cast<std::int64_t>(Bytes.size() + Filled) > MaxSize)
      throw TFileTooLargeError(Path, MaxSize);
    Bytes.insert(Bytes.end(), Chunk.begin(), Chunk.begin() + static_cast<std::ptrdiff_t>(Filled));
  } while (Filled == Chunk.size());
  return Bytes;
}

void WriteWholeFile(const std::string& Path, std::span<const std::uint8_t> Bytes)
{
  TAtomicFile File(Path);
  File.Write(Bytes);
  File.Commit();
}

void WriteWholeFile(const std::string& Path, std::string_view Text)
{
  WriteWholeFile(Path, {reinterpret_cast<const std::uint8_t*>(Text.data()), Text.size()});
}
