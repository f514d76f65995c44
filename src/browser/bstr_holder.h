// A shared, reference-counted holder of one COM wide string whose ANSI form (system code page)
// is made on the first request and then kept.
#pragma once

#include "platform.h"

struct BstrRecord;

class BstrHolder {
 public:
  BstrHolder();
  // A new record with the wide form of `text` (system code page); a null text holds no string.
  explicit BstrHolder(const char* text);
  // A new record that owns `wide` as received, null included.
  static BstrHolder Take(BSTR wide);

  BstrHolder(const BstrHolder& other);
  BstrHolder& operator=(const BstrHolder& other);
  ~BstrHolder();

  // The string itself, not a copy; null for an empty holder.
  BSTR Wide() const;
  // The ANSI text, converted once per record; null for an empty holder or an absent string.
  const char* AnsiText() const;
  // Negative, 0 or positive: UTF-16 units compared in order, then the lengths.
  int Compare(const BstrHolder& other) const;

 private:
  explicit BstrHolder(BstrRecord* shared);
  void LetGo();

  BstrRecord* record;
};
