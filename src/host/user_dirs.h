// The player's folders on a Linux desktop, as the XDG base and user directories name them.
#pragma once

#include <string>

namespace qel {

// $XDG_CONFIG_HOME, else ~/.config; empty without a home. No trailing slash.
std::string ConfigHome();
// $XDG_DATA_HOME, else ~/.local/share; empty without a home.
std::string DataHome();
// The pictures folder: $XDG_PICTURES_DIR, else XDG_PICTURES_DIR in user-dirs.dirs of the config
// folder ("$HOME/..." or an absolute path); empty when neither names one.
std::string PicturesDir();
// Creates the folder and the folders above it; true when it exists afterwards.
bool MakeFolders(const std::string &path);
// Whether a regular file, a folder, or nothing lies at path.
bool IsFolder(const std::string &path);
bool IsRegularFile(const std::string &path);

}  // namespace qel
