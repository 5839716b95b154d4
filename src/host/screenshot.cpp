#include "host/screenshot.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/user_dirs.h"

namespace qel {

std::string ScreenshotName(const std::tm &local, int n) {
  char name[64];
  std::snprintf(name, sizeof name, "qelvane_%04d-%02d-%02d_%02d-%02d-%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  std::string s(name);
  if (n > 1) s += "_" + std::to_string(n);
  return s + ".png";
}

std::string ReserveScreenshotFile(const std::string &folder, std::time_t when, std::string *error) {
  if (!MakeFolders(folder)) {
    if (error) *error = "cannot make the folder " + folder;
    return "";
  }
  std::tm local{};
  localtime_r(&when, &local);
  for (int n = 1; n <= 1000; ++n) {
    const std::string path = folder + "/" + ScreenshotName(local, n);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
      close(fd);
      return path;
    }
    if (errno != EEXIST) {
      if (error) *error = "cannot write " + path + ": " + std::strerror(errno);
      return "";
    }
  }
  if (error) *error = "too many screenshots in one second in " + folder;
  return "";
}

}  // namespace qel
