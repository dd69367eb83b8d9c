#include "Errors.h"

#include <system_error>

std::string SystemErrorText(int ErrorNumber)
{
  std::string Text = std::generic_category().message(ErrorNumber);
  while (!Text.empty() && Text.back() == '.')
    Text.pop_back();
  return Text;
}

TFileError::TFileError(const std::string& Verb, const std::string& Path, int ErrorNumber)
    : TError("Cannot " + Verb + " file \"" + Path + "\". " + SystemErrorText(ErrorNumber)),
      CauseText(SystemErrorText(ErrorNumber))
{
}

TFileTooLargeError::TFileTooLargeError(const std::string& Path, std::int64_t MaxSize)
    : TError("The file \"" + Path + "\" is too large: at most " + std::to_string(MaxSize) +
             " bytes can be read, so that every offset fits in 32 bits")
{
}

TListIndexError::TListIndexError(std::int64_t Index)
    : TError("List index out of bounds (" + std::to_string(Index) + ")")
{
}

TConvertError::TConvertError(const std::string& ConvertedText)
    : TError("'" + ConvertedText + "' is not a valid integer value")
{
}
