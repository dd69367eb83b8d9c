#include "ROMFile.h"

#include "AtomicFile.h"
#include "Errors.h"
#include "FileDescriptor.h"
#include "WholeFile.h"

#include <cerrno>
#include <fcntl.h>

TROMImage LoadROMImage(const std::string& Path)
{
  return ReadWholeFile(Path, MaxROMSize);
}

void SaveROMImage(const std::string& Path, const TROMImage& Image)
{
  WriteWholeFile(Path, Image);
}

namespace {

void CopyContent(const std::string& Source, const std::string& Dest)
{
  const TFileDescriptor In(::open(Source.c_str(), O_RDONLY | O_CLOEXEC));
  if (!In)
    throw TFileOpenError(Source, errno);
  TAtomicFile Out(Dest);
  std::vector<std::uint8_t> Buffer(1 << 20);
  std::size_t Filled = 0;
  do {
    if (const int Error = In.ReadUpTo(Buffer, Filled))
      throw TFileReadError(Source, Error);
    Out.Write({Buffer.data(), Filled});
  } while (Filled == Buffer.size());
  Out.Commit();
}

} // namespace

TCopyResult CopyFileReplacing(const std::string& Source, const std::string& Dest) noexcept
{
  try {
    CopyContent(Source, Dest);
    return {true, {}};
  } catch (const TFileError& Error) {
    return {false, Error.Reason()};
  } catch (const std::exception& Error) {
    return {false, Error.what()};
  }
}
