#ifndef _WIN32
#include "core/payload/PosixPayloadTarget.h"

#include "core/text/TextConvert.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace qelvane {

namespace {

[[noreturn]] void ThrowSystem(const std::string& What, const std::string& Path, int Error) {
  throw std::runtime_error(What + " " + Path + ": " + std::strerror(Error));
}

bool IsDirectory(const std::string& Path) {
  struct stat st;
  return ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

TPosixPayloadTarget::TPosixPayloadTarget(std::string Root) : FRoot(std::move(Root)) {
  while (FRoot.size() > 1 && FRoot.back() == '/')
    FRoot.pop_back();
}

std::string TPosixPayloadTarget::LocalPath(std::string_view Path) const {
  std::u16string wide = GbkToUtf16(Path);
  std::replace(wide.begin(), wide.end(), u'\\', u'/');
  std::string local = FRoot;
  if (!wide.empty()) {
    local.push_back('/');
    local += Utf16ToUtf8(wide);
  }
  return local;
}

bool TPosixPayloadTarget::ForceFolder(const std::string& Folder) {
  std::string local = LocalPath(Folder);
  while (local.size() > 1 && local.back() == '/')
    local.pop_back();
  if (IsDirectory(local)) return true;
  // Create each missing folder from the top down.
  for (size_t pos = local.find('/', 1);; pos = local.find('/', pos + 1)) {
    std::string part = local.substr(0, pos);
    if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
    if (pos == std::string::npos) break;
  }
  return IsDirectory(local);
}

bool TPosixPayloadTarget::FileExists(const std::string& Path) {
  struct stat st;
  return ::stat(LocalPath(Path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void TPosixPayloadTarget::WriteFile(const std::string& Path, const uint8_t* Data, size_t Size) {
  const std::string local = LocalPath(Path);
  int fd = ::open(local.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) ThrowSystem("cannot create", local, errno);
  while (Size > 0) {
    ssize_t n = ::write(fd, Data, std::min<size_t>(Size, size_t{1} << 30));
    if (n <= 0) {
      if (n < 0 && errno == EINTR) continue;
      int error = n < 0 ? errno : EIO;
      ::close(fd);
      ThrowSystem("cannot write", local, error);
    }
    Data += n;
    Size -= static_cast<size_t>(n);
  }
  if (::close(fd) != 0) ThrowSystem("cannot write", local, errno);
}

} // namespace qelvane
#endif
