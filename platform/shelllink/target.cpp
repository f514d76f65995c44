#include "shelllink/target.h"

#include <sys/stat.h>

#include "shell/drive_mapping.h"
#include "shelllink/text.h"

namespace layer::shelllink {
namespace {

struct Variable {
  std::u16string_view name;
  std::u16string_view value;
};
constexpr Variable kVariables[] = {
    {u"windir", u"C:\\Windows"},
    {u"SystemRoot", u"C:\\Windows"},
    {u"ProgramFiles", u"C:\\Program Files"},
};

// Programs of a standard Windows, in search order: the system directory first.
struct Program {
  std::u16string_view folder;
  std::u16string_view name;
};
constexpr Program kPrograms[] = {
    {u"C:\\Windows\\System32", u"cmd.exe"},      {u"C:\\Windows\\System32", u"notepad.exe"},
    {u"C:\\Windows\\System32", u"calc.exe"},     {u"C:\\Windows\\System32", u"mspaint.exe"},
    {u"C:\\Windows\\System32", u"control.exe"},  {u"C:\\Windows\\System32", u"rundll32.exe"},
    {u"C:\\Windows\\System32", u"mstsc.exe"},    {u"C:\\Windows\\System32", u"taskmgr.exe"},
    {u"C:\\Windows\\System32", u"write.exe"},    {u"C:\\Windows", u"explorer.exe"},
    {u"C:\\Windows", u"regedit.exe"},            {u"C:\\Windows", u"hh.exe"},
};

bool IsBareName(std::u16string_view text) {
  return !text.empty() && text.find_first_of(u"\\/:") == std::u16string_view::npos;
}

bool HasExtension(std::u16string_view name) { return name.find(u'.') != std::u16string_view::npos; }

// Only Z: is a real disk here; for it we can tell a folder from a file.
bool IsExistingDirectoryOnZ(std::u16string_view path) {
  if (path.size() < 2 || (path[0] != u'Z' && path[0] != u'z')) return false;
  auto utf8 = Utf16ToUtf8(path);
  if (!utf8) return false;
  auto posix = layer::drive::ToPosix(*utf8);
  struct stat info {};
  return posix && ::stat(posix->c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::u16string ExpandEnvironment(std::u16string_view text) {
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t open = text.find(u'%', i);
    if (open == std::u16string_view::npos) break;
    const std::size_t close = text.find(u'%', open + 1);
    if (close == std::u16string_view::npos) break;
    const std::u16string_view name = text.substr(open + 1, close - open - 1);
    const Variable* found = nullptr;
    for (const Variable& v : kVariables) {
      if (EqualsIgnoreAsciiCase(v.name, name)) found = &v;
    }
    if (found != nullptr) {
      out.append(text.substr(i, open - i));
      out.append(found->value);
      i = close + 1;
    } else {
      // Unknown: keep the first '%' and look for a reference from the second one on.
      out.append(text.substr(i, close - i));
      i = close;
    }
  }
  out.append(text.substr(i));
  return out;
}

bool IsAbsoluteDrivePath(std::u16string_view path) {
  return path.size() >= 3 && ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z')) &&
         path[1] == u':' && path[2] == u'\\';
}

ResolvedTarget ResolveTarget(std::u16string_view target) {
  ResolvedTarget result;
  if (target.size() >= 2 && target.front() == u'"' && target.back() == u'"') {
    target = target.substr(1, target.size() - 2);
  }
  const std::u16string expanded = ExpandEnvironment(target);
  if (expanded != target) result.unexpanded = std::u16string(target);

  if (IsAbsoluteDrivePath(expanded)) {
    result.path = expanded;
    result.isDirectory = IsExistingDirectoryOnZ(expanded);
    return result;
  }
  if (IsBareName(expanded)) {
    for (const Program& p : kPrograms) {
      if (EqualsIgnoreAsciiCase(p.name, expanded) ||
          (!HasExtension(expanded) && EqualsIgnoreAsciiCase(p.name, expanded + u".exe"))) {
        result.path = std::u16string(p.folder) + u"\\" + std::u16string(p.name);
        return result;
      }
    }
  }
  return result;
}

}  // namespace layer::shelllink
