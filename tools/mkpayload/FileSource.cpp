#include "tools/mkpayload/FileSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace qelvane {

TFileSource::TFileSource(const std::string& Path) : FPath(Path), FFd(::open(Path.c_str(), O_RDONLY | O_CLOEXEC)) {
  struct stat st;
  if (FFd < 0 || ::fstat(FFd, &st) != 0) {
    int error = errno;
    if (FFd >= 0) ::close(FFd);
    throw std::runtime_error("cannot open " + Path + ": " + std::strerror(error));
  }
  if (S_ISDIR(st.st_mode)) {
    ::close(FFd);
    throw std::runtime_error(Path + " is a folder, not a file");
  }
  FSize = static_cast<uint64_t>(st.st_size);
}

TFileSource::~TFileSource() {
  ::close(FFd);
}

size_t TFileSource::Read(void* buffer, size_t count) {
  for (;;) {
    ssize_t n = ::read(FFd, buffer, count);
    if (n >= 0) {
      if (FProgress) FProgress->Advance(static_cast<uint64_t>(n));
      return static_cast<size_t>(n);
    }
    if (errno != EINTR) throw std::runtime_error("cannot read " + FPath + ": " + std::strerror(errno));
  }
}

} // namespace qelvane
