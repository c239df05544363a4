#include "d88/platform.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace platform {

#ifdef _WIN32

std::FILE* openForReading(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return nullptr;
  }
  std::FILE* file = std::fopen(path, "rb");
  if (file != nullptr) (void)std::setvbuf(file, nullptr, _IONBF, 0);
  return file;
}

bool seekTo(std::FILE* file, std::int64_t offset) {
  return _fseeki64(file, offset, SEEK_SET) == 0;
}

FileId fileIdOf(const char* path) {
  FileId id;
  HANDLE handle = CreateFileA(
      path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return id;
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(handle, &info)) {
    id.valid = true;
    id.device = info.dwVolumeSerialNumber;
    id.node = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) |
              info.nFileIndexLow;
  }
  CloseHandle(handle);
  return id;
}

void setBinaryStdio() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

#else

std::FILE* openForReading(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return nullptr;
  struct stat info;
  if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
    (void)std::fclose(file);
    return nullptr;
  }
  (void)std::setvbuf(file, nullptr, _IONBF, 0);  // the caller buffers
  return file;
}

bool seekTo(std::FILE* file, std::int64_t offset) {
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

FileId fileIdOf(const char* path) {
  FileId id;
  struct stat info;
  if (stat(path, &info) == 0) {
    id.valid = true;
    id.device = static_cast<std::uint64_t>(info.st_dev);
    id.node = static_cast<std::uint64_t>(info.st_ino);
  }
  return id;
}

void setBinaryStdio() {}

#endif

bool sameFile(const FileId& a, const FileId& b) {
  return a.valid && b.valid && a.device == b.device && a.node == b.node;
}

}  // namespace platform
