// The state of a game that play depends on, as bytes: saved at the start of a replay, restored
// when it is played, and hashed along the way to prove that playback follows the recording.
#pragma once

#include <cstdint>
#include <string>

namespace qel {

struct Game;
struct GameConfig;

// Everything a pass reads or writes of the game, except the pictures, the loaded assets and the
// host; withAudio adds the music and sound state (a restore needs it, a hash leaves it out).
std::string SavePlayState(const Game &g, bool withAudio = true);
// Puts a saved state back. Returns false (and says why) when the bytes do not fit.
bool LoadPlayState(Game &g, const std::string &bytes, std::string *error);
// 64-bit FNV-1a of the state without audio.
std::uint64_t PlayStateHash(const Game &g);
std::uint64_t Fnv1a64(const std::string &bytes);
// The part of the command line that play reads (the start stage, the shop, the debug spawns ...).
std::string SaveStartConfig(const GameConfig &config);
bool LoadStartConfig(GameConfig &config, const std::string &bytes, std::string *error);

}  // namespace qel
