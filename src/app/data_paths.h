// Where the program finds its sprite sheets and its data folder (maps, music, sounds, the demo).
#pragma once

#include <string>

namespace qel {

struct DataPaths {
  std::string dataDir, sheetsDir;
  bool installed = false;  // the installed layout rather than the build tree
};

// The folders for an executable lying in exeDir. When exeDir/sheets is a folder the program runs
// from the build tree: the data folder is exeDir/d and the sheets exeDir/sheets. Otherwise it is
// installed, and both lie in share/qelvane beside the executable's folder (exeDir/../share/qelvane/d
// and .../sheets, written without the ".."), so an installed prefix still works once moved.
DataPaths LocateData(const std::string &exeDir);

}  // namespace qel
