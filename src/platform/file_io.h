// Whole-file reads and safe writes, for every file the game and its tools load or keep.
//
// A read either gives the file's bytes or says in one line what is wrong, naming the file: it is
// missing, a folder, not readable, larger than the caller allows, or the read failed. Nothing is
// thrown. A write goes to a new file beside the old one, is flushed to the disk, renamed over the
// old one and the folder is synced, so a program killed at any moment leaves the old file or the
// new one, never a mix.
#pragma once

#include <cstddef>
#include <string>

namespace qel {

enum class ReadResult { Ok, Missing, NotAFile, NoPermission, TooLarge, Failed };

// The largest file a loader takes unless it says otherwise: far beyond any file the game ships.
constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

// Reads the whole regular file at path into *bytes. On anything but Ok, *bytes is empty and
// *error (when given) holds "PATH: what is wrong".
ReadResult ReadWholeFile(const std::string &path, std::string *bytes, std::string *error = nullptr,
                         std::size_t maxBytes = kMaxFileBytes);

// Replaces path with bytes as described above (through path + ".new"). On failure the old file
// is as it was, the new one is removed and *error says why.
bool WriteFileSafely(const std::string &path, const std::string &bytes, std::string *error = nullptr);

// A text for messages: at most maxChars characters, with control bytes shown as '?', and "..."
// where it was cut.
std::string Excerpt(const std::string &text, std::size_t maxChars = 80);

}  // namespace qel
