#include "FileNames.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr char Separator = '/';

std::size_t FileNameStart(std::string_view Path)
{
  const std::size_t LastSeparator = Path.rfind(Separator);
  return LastSeparator == std::string_view::npos ? 0 : LastSeparator + 1;
}

} // namespace

std::string ExtractFileName(std::string_view Path)
{
  return std::string(Path.substr(FileNameStart(Path)));
}

std::string ChangeFileExt(std::string_view Path, std::string_view Extension)
{
  const std::size_t NameStart = FileNameStart(Path);
  const std::size_t LastDot = Path.rfind('.');
  const bool HasExtension = LastDot != std::string_view::npos && LastDot >= NameStart;
  std::string Result(HasExtension ? Path.substr(0, LastDot) : Path);
  return Result.append(Extension);
}

std::string JoinPath(std::string_view Folder, std::string_view Name)
{
  std::string Result(Folder);
  if (!Result.empty() && Result.back() != Separator)
    Result += Separator;
  return Result.append(Name);
}

bool SameFile(const std::string& First, const std::string& Second)
{
  namespace fs = std::filesystem;
  std::error_code Error;
  if (fs::equivalent(First, Second, Error))
    return true;
  const fs::path FirstPath = fs::weakly_canonical(fs::absolute(First, Error), Error);
  const fs::path SecondPath = fs::weakly_canonical(fs::absolute(Second, Error), Error);
  return FirstPath.lexically_normal() == SecondPath.lexically_normal();
}
