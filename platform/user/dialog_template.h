// Dialog templates as resource compilers write them: the extended form (DLGTEMPLATEEX with
// DLGITEMTEMPLATEEX items) and the classic one (DLGTEMPLATE, DLGITEMTEMPLATE).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "types.h"
#include "user/resource_id.h"

namespace layer::user {

struct DialogItemTemplate {
  DWORD helpId = 0;
  DWORD exStyle = 0;
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  DWORD id = 0;
  ResourceId windowClass;  // ordinals 0x80-0x85 are the predefined control classes
  ResourceId title;        // an ordinal title names a resource (an icon of a static control)
  std::vector<uint8_t> creationData;
};

struct DialogTemplate {
  bool extended = false;
  DWORD helpId = 0;
  DWORD exStyle = 0;
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  ResourceId menu;         // ordinal 0: none
  ResourceId windowClass;  // ordinal 0: the standard dialog class
  std::u16string title;
  // The font, when the style has DS_SETFONT.
  WORD pointSize = 0;
  WORD weight = 0;
  BYTE italic = 0;
  BYTE charset = 0;
  std::u16string typeface;
  std::vector<DialogItemTemplate> items;
};

// Nullopt when the template is cut short or malformed.
std::optional<DialogTemplate> ParseDialogTemplate(const uint8_t* data, size_t size);

// "BUTTON", "EDIT", "STATIC", ... for the predefined ordinals; the name itself otherwise.
std::string ControlClassName(const ResourceId& windowClass);

}  // namespace layer::user
