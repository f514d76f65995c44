// Quote and path steps of VemiString.
#include <cstring>

#include "text/vemi_string.h"

void VemiString::StripQuotes(char quote) {
  if (!buffer) return;
  SIZE_T length = SIZE_T(lstrlenA(buffer));
  if (length == 0 || buffer[0] != quote || buffer[length - 1] != quote) return;
  std::memmove(buffer, buffer + 1, length);
  // A single quote is empty now; there is no closing byte to cut.
  if (length >= 2) buffer[length - 2] = '\0';
}

void VemiString::AddQuotes(char quote) {
  if (!buffer) return;
  SIZE_T length = SIZE_T(lstrlenA(buffer));
  if (length > 0 && buffer[0] == quote && buffer[length - 1] == quote) return;
  // The slack normally holds the two extra bytes; a text already grown into it may not fit.
  if (length + 3 > GlobalSize(buffer)) return;
  buffer[length + 1] = '\0';
  buffer[length + 2] = '\0';
  std::memmove(buffer + 1, buffer, length);
  buffer[0] = quote;
  buffer[length + 1] = quote;
}

void VemiString::RemoveFileSpec() {
  if (!buffer) return;
  StripQuotes('"');
  PathRemoveFileSpecA(buffer);
}

void VemiString::StripPath() {
  if (!buffer) return;
  StripQuotes('"');
  PathStripPathA(buffer);
}
