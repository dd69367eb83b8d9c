#include "BackupPath.h"

#include "FileNames.h"

std::string BackupPathFor(const std::string& BackupFolder, const std::string& ROMPath)
{
  const std::string FileName = ExtractFileName(ROMPath);
  const std::string BackupPath = JoinPath(BackupFolder, ChangeFileExt(FileName, ".bak"));
  if (!SameFile(BackupPath, ROMPath))
    return BackupPath;
  return JoinPath(BackupFolder, FileName + ".bak");
}
