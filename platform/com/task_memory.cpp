#include "com/task_memory.h"

#include <cstdlib>

LPVOID WINAPI CoTaskMemAlloc(SIZE_T bytes) { return std::malloc(bytes == 0 ? 1 : bytes); }

void WINAPI CoTaskMemFree(LPVOID block) { std::free(block); }
