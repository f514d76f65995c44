#include "shelllink/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <random>

#include "kernel/kernel.h"
#include "shelllink/unique_fd.h"

namespace layer::shelllink {
namespace {

HRESULT FromErrno(int error, bool forWrite) {
  return HRESULT_FROM_WIN32(Win32ErrorFromErrno(error, forWrite));
}

// Removes the temporary file unless it has been renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!committed_) ::unlink(path_.c_str());
  }
  const std::string& Path() const { return path_; }
  void Commit() { committed_ = true; }

 private:
  std::string path_;
  bool committed_ = false;
};

// The name leaves out the link's own name: that may already be as long as a name can be.
std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  thread_local std::mt19937 random{std::random_device{}()};
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  return folder + ".lnk." + std::to_string(::getpid()) + "." + std::to_string(counter.fetch_add(1)) +
         "." + std::to_string(random() % 1000000) + ".tmp";
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes, int* error) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      *error = errno;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

unsigned long Win32ErrorFromErrno(int error, bool forWrite) {
  switch (error) {
    case 0:
      return ERROR_SUCCESS;
    case ENOENT:
      return forWrite ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return ERROR_ACCESS_DENIED;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return ERROR_DISK_FULL;
    case ENAMETOOLONG:
      return ERROR_FILENAME_EXCED_RANGE;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case EINVAL:
    case EILSEQ:
      return ERROR_INVALID_NAME;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    default:
      return forWrite ? ERROR_WRITE_FAULT : ERROR_INVALID_HANDLE;
  }
}

HRESULT WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  if (path.empty() || path.back() == '/') return HRESULT_FROM_WIN32(ERROR_INVALID_NAME);
  // A file nobody may write to is read-only (as Wine maps FILE_ATTRIBUTE_READONLY): Windows
  // refuses to write over it, whoever asks, so the rename must not replace it.
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
      (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
  }
  // O_EXCL never reuses an existing file; a clash only means another name.
  for (int attempt = 0; attempt < 100; ++attempt) {
    TemporaryFile temporary(TemporaryNameFor(path));
    UniqueFd fd(::open(temporary.Path().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.Valid()) {
      const int error = errno;
      temporary.Commit();  // nothing was created
      if (error == EEXIST) continue;
      return FromErrno(error, true);
    }
    int error = 0;
    if (!WriteAll(fd.Get(), bytes, &error)) return FromErrno(error, true);
    if (::fsync(fd.Get()) != 0 && errno != EINVAL) return FromErrno(errno, true);
    if (fd.Close() != 0) return FromErrno(errno, true);
    if (::rename(temporary.Path().c_str(), path.c_str()) != 0) return FromErrno(errno, true);
    temporary.Commit();
    return S_OK;
  }
  return HRESULT_FROM_WIN32(ERROR_FILE_EXISTS);
}

HRESULT ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>* bytes) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) return FromErrno(errno, false);
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) return FromErrno(errno, false);
  if (S_ISDIR(info.st_mode)) return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
  std::vector<uint8_t> data;
  uint8_t chunk[4096];
  for (;;) {
    const ssize_t n = ::read(fd.Get(), chunk, sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      return FromErrno(errno, false);
    }
    if (n == 0) break;
    if (data.size() + static_cast<std::size_t>(n) > maxBytes) return E_INVALIDARG;
    data.insert(data.end(), chunk, chunk + n);
  }
  *bytes = std::move(data);
  return S_OK;
}

}  // namespace layer::shelllink
