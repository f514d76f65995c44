#include "text/file_helper.h"

#include "platform.h"

FileHelper::~FileHelper() = default;

int FileHelper::IsDirectory(const char* path) const { return PathIsDirectoryA(path); }
