#include "app/data_paths.h"

#include <filesystem>
#include <system_error>

namespace qel {

DataPaths LocateData(const std::string &exeDir) {
  namespace fs = std::filesystem;
  const fs::path exe = exeDir.empty() ? fs::path(".") : fs::path(exeDir);
  DataPaths paths;
  std::error_code ec;
  if (fs::is_directory(exe / "sheets", ec)) {
    paths.dataDir = (exe / "d").lexically_normal().string();
    paths.sheetsDir = (exe / "sheets").lexically_normal().string();
    return paths;
  }
  const fs::path share = exe / ".." / "share" / "qelvane";
  paths.dataDir = (share / "d").lexically_normal().string();
  paths.sheetsDir = (share / "sheets").lexically_normal().string();
  paths.installed = true;
  return paths;
}

}  // namespace qel
