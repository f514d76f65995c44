// Owns a POSIX file descriptor.
#pragma once

#include <unistd.h>

#include <utility>

namespace layer::shelllink {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  ~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  // Closes now and reports close's own result (it can reveal a failed write).
  int Close() { return fd_ >= 0 ? ::close(std::exchange(fd_, -1)) : 0; }

 private:
  int fd_ = -1;
};

}  // namespace layer::shelllink
