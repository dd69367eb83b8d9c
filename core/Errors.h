#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Every error a user can meet. what() is the exact text the error display shows,
// so the window can show any of them the same way.
class TError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A file operation that failed for a reason the operating system gave.
class TFileError : public TError {
public:
  TFileError(const std::string& Verb, const std::string& Path, int ErrorNumber);
  // The system's description of the cause, without a final full stop.
  const std::string& Reason() const { return CauseText; }

private:
  std::string CauseText;
};

class TFileOpenError : public TFileError {
public:
  TFileOpenError(const std::string& Path, int ErrorNumber) : TFileError("open", Path, ErrorNumber) {}
};

class TFileCreateError : public TFileError {
public:
  TFileCreateError(const std::string& Path, int ErrorNumber) : TFileError("create", Path, ErrorNumber) {}
};

class TFileReadError : public TFileError {
public:
  TFileReadError(const std::string& Path, int ErrorNumber) : TFileError("read", Path, ErrorNumber) {}
};

class TFileWriteError : public TFileError {
public:
  TFileWriteError(const std::string& Path, int ErrorNumber) : TFileError("write", Path, ErrorNumber) {}
};

// Offsets are signed 32-bit numbers, so a file may only be as large as they reach.
class TFileTooLargeError : public TError {
public:
  TFileTooLargeError(const std::string& Path, std::int64_t MaxSize);
};

class TListIndexError : public TError {
public:
  explicit TListIndexError(std::int64_t Index);
};

// Raised with the text exactly as it was given to the conversion ("$" and the field text).
class TConvertError : public TError {
public:
  explicit TConvertError(const std::string& ConvertedText);
};

// The operating system's description of an error number, without a final full stop.
std::string SystemErrorText(int ErrorNumber);
