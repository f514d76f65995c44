// FileHelper: the directory test. Stateless; the program keeps one instance.
#pragma once

class FileHelper {
 public:
  FileHelper() = default;
  virtual ~FileHelper();

  // PathIsDirectoryA's result as it comes: nonzero for an existing directory.
  int IsDirectory(const char* path) const;
};
