// VemiString: the program's growable ANSI text. The text lives in one fixed block from the
// global heap, capacity + 128 bytes; platform calls may write up to `capacity` bytes straight
// into `buffer`.
#pragma once

#include "platform.h"

class VemiString {
 public:
  VemiString();
  explicit VemiString(DWORD capacity);
  VemiString(const VemiString& other);
  VemiString& operator=(const VemiString&) = delete;
  virtual ~VemiString();

  // A null text leaves the text as it was. Each returns `buffer`.
  char* Assign(const char* text);
  char* Assign(const VemiString& other);
  char* Append(const char* text);
  char* Append(VemiString other);
  char* Prepend(const char* text);

  // Moves the text into a block for n bytes, also when n is smaller; null when refused.
  char* Reserve(DWORD n);

  // 1 equal, -1 equal ignoring case, 0 different.
  int IsSame(const char* text) const;
  int IsDifferent(const char* text) const;
  char* Find(const char* text) const;

  // Replaces every occurrence that begins on a character boundary of the ANSI code page.
  char* ReplaceAll(const char* pattern, const char* replacement);

  void StripQuotes(char quote);
  void AddQuotes(char quote);
  void RemoveFileSpec();
  void StripPath();

  DWORD capacity;
  char* buffer;

 private:
  DWORD Length() const;
  bool Holds(const char* text) const;
  void Grow(DWORD needed);
  void Resize();
  void AllocateBlock();
  void ChangeBlock();
};
