// System services that the program reaches through one process-wide object.
#pragma once

class SystemHelper {
 public:
  SystemHelper() = default;
  virtual ~SystemHelper() = default;
};
