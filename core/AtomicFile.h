#pragma once

#include "FileDescriptor.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// Replaces a file's content in one step. The new bytes go to a temporary file in the
// target's folder; Commit flushes it to disk and renames it over the target, keeping the
// target's permission bits. A path that is a symbolic link is written through to the file
// it points at. Until Commit succeeds the target is untouched, and a temporary file that
// was not committed is removed when the object goes.
//
// Errors name the path as the caller gave it: TFileCreateError when the file cannot be
// created (a read-only file or folder, a folder of that name), TFileWriteError when the
// content cannot be written (a full disk, a size limit).
class TAtomicFile {
public:
  explicit TAtomicFile(const std::string& Path);
  TAtomicFile(const TAtomicFile&) = delete;
  TAtomicFile& operator=(const TAtomicFile&) = delete;
  ~TAtomicFile();

  void Write(std::span<const std::uint8_t> Bytes);
  void Commit();

private:
  void CreateTemporaryFile();
  void KeepTargetPermissions();

  std::string GivenPath;
  std::filesystem::path Target;
  std::filesystem::path TemporaryPath;
  TFileDescriptor Temporary;
  bool TargetExists = false;
  mode_t TargetPermissions = 0;
  bool Committed = false;
};
