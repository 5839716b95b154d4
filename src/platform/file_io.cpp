#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace qel {

namespace {

bool Fail(std::string *error, const std::string &path, const std::string &what) {
  if (error) *error = path + ": " + what;
  return false;
}

// The folder a path is in, for syncing it after a rename.
std::string FolderOf(const std::string &path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string &bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

ReadResult ReadWholeFile(const std::string &path, std::string *bytes, std::string *error,
                         std::size_t maxBytes) {
  bytes->clear();
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int e = errno;
    if (e == ENOENT || e == ENOTDIR) {
      Fail(error, path, "no such file");
      return ReadResult::Missing;
    }
    Fail(error, path, e == EACCES ? "no permission to read it" : std::strerror(e));
    return e == EACCES ? ReadResult::NoPermission : ReadResult::Failed;
  }
  ReadResult result = ReadResult::Ok;
  struct stat st {};
  if (fstat(fd, &st) != 0) {
    Fail(error, path, std::strerror(errno));
    result = ReadResult::Failed;
  } else if (S_ISDIR(st.st_mode)) {
    Fail(error, path, "is a folder, not a file");
    result = ReadResult::NotAFile;
  } else if (!S_ISREG(st.st_mode)) {
    Fail(error, path, "is not a regular file");
    result = ReadResult::NotAFile;
  } else if (static_cast<std::size_t>(st.st_size) > maxBytes) {
    Fail(error, path, "is larger than " + std::to_string(maxBytes) + " bytes");
    result = ReadResult::TooLarge;
  } else {
    bytes->reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
      const ssize_t n = read(fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        Fail(error, path, std::string("read error: ") + std::strerror(errno));
        result = ReadResult::Failed;
        break;
      }
      if (n == 0) break;
      bytes->append(buf, static_cast<std::size_t>(n));
      if (bytes->size() > maxBytes) {  // it grew while we read
        Fail(error, path, "is larger than " + std::to_string(maxBytes) + " bytes");
        result = ReadResult::TooLarge;
        break;
      }
    }
  }
  close(fd);
  if (result != ReadResult::Ok) bytes->clear();
  return result;
}

bool WriteFileSafely(const std::string &path, const std::string &bytes, std::string *error) {
  const std::string tmp = path + ".new";
  const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return Fail(error, path, std::string("cannot write: ") + std::strerror(errno));
  bool ok = WriteAll(fd, bytes);
  int e = ok ? 0 : errno;
  if (ok && fsync(fd) != 0) ok = false, e = errno;
  if (close(fd) != 0 && ok) ok = false, e = errno;
  if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) ok = false, e = errno;
  if (!ok) {
    std::remove(tmp.c_str());
    return Fail(error, path, std::string("cannot write: ") + std::strerror(e != 0 ? e : EIO));
  }
  // The rename is only lasting once the folder that holds the name is on the disk too.
  const int dir = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return true;
}

std::string Excerpt(const std::string &text, std::size_t maxChars) {
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < maxChars; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    out += (c < 0x20 || c == 0x7F) ? '?' : static_cast<char>(c);
  }
  if (text.size() > maxChars) out += "...";
  return out;
}

}  // namespace qel
