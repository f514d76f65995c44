#include "support/lnkinfo.h"

#include <stdio.h>

#include <memory>

namespace test_support {

std::map<std::string, std::string> RunLnkinfo(const std::string& path) {
  std::map<std::string, std::string> fields;
  const std::string command = "/usr/bin/lnkinfo -c windows-932 '" + path + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), &::pclose);
  if (!pipe) return fields;
  std::string output;
  char chunk[4096];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, pipe.get())) > 0) output.append(chunk, n);
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    const std::string line = output.substr(start, end - start);
    const size_t colon = line.find(": ");
    if (colon != std::string::npos) {
      size_t first = line.find_first_not_of(" \t");
      size_t labelEnd = line.find_last_not_of(" \t", colon - 1);
      if (first != std::string::npos && labelEnd != std::string::npos && labelEnd >= first) {
        fields.emplace(line.substr(first, labelEnd - first + 1), line.substr(colon + 2));
      }
    }
    start = end + 1;
  }
  fields["(output)"] = output;
  return fields;
}

}  // namespace test_support
