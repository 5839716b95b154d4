#include "host/user_dirs.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

namespace qel {

namespace {

std::string Env(const char *name) {
  const char *v = std::getenv(name);
  return v && *v == '/' ? std::string(v) : std::string();
}

std::string Home() {
  const char *v = std::getenv("HOME");
  return v && *v ? std::string(v) : std::string();
}

std::string Trimmed(std::string s) {
  while (!s.empty() && s.back() == '/' && s.size() > 1) s.pop_back();
  return s;
}

std::string UnderHome(const char *path) {
  const std::string home = Home();
  return home.empty() ? "" : home + path;
}

// One line of user-dirs.dirs: XDG_PICTURES_DIR="$HOME/Pictures".
std::string PicturesFromUserDirs(const std::string &file) {
  std::ifstream in(file);
  std::string line;
  const std::string key = "XDG_PICTURES_DIR=";
  while (std::getline(in, line)) {
    if (line.compare(0, key.size(), key) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.compare(0, 5, "$HOME") == 0) {
      const std::string home = Home();
      return home.empty() ? "" : Trimmed(home + value.substr(5));
    }
    return value.empty() || value[0] != '/' ? "" : Trimmed(value);
  }
  return "";
}

}  // namespace

std::string ConfigHome() {
  const std::string v = Env("XDG_CONFIG_HOME");
  return Trimmed(v.empty() ? UnderHome("/.config") : v);
}

std::string DataHome() {
  const std::string v = Env("XDG_DATA_HOME");
  return Trimmed(v.empty() ? UnderHome("/.local/share") : v);
}

std::string PicturesDir() {
  const std::string v = Env("XDG_PICTURES_DIR");
  if (!v.empty()) return Trimmed(v);
  const std::string config = ConfigHome();
  return config.empty() ? "" : PicturesFromUserDirs(config + "/user-dirs.dirs");
}

bool IsFolder(const std::string &path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string &path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool MakeFolders(const std::string &path) {
  if (path.empty()) return false;
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  return IsFolder(path);
}

}  // namespace qel
