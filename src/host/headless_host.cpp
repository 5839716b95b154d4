#include "host/headless_host.h"

#include "platform/file_io.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <utility>

namespace qel {

int KeyCodeFromName(const std::string &name) {
  static const struct {
    const char *name;
    int code;
  } kNamed[] = {{"SHIFT", vk::Shift}, {"LEFT", vk::Left},  {"RIGHT", vk::Right}, {"UP", vk::Up},
                {"DOWN", vk::Down},   {"F1", vk::F1},      {"F2", vk::F2},       {"TAB", vk::Tab},
                {"ESC", vk::Esc},     {"SPACE", vk::Space}};
  for (const auto &k : kNamed)
    if (name == k.name) return k.code;
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return name[0];
  return 0;
}

namespace {

bool ParseMenuItem(const std::string &word, MenuItem *item) {
  if (word == "fullscreen") *item = MenuItem::FullScreen;
  else if (word == "reset") *item = MenuItem::Reset;
  else if (word == "quit") *item = MenuItem::Quit;
  else return false;
  return true;
}

// Parses the words after the pass number into an event.
bool ParseEvent(std::istringstream &words, HostEvent *ev) {
  std::string verb, arg, extra;
  words >> verb >> arg;
  if (words >> extra) return false;
  static const std::pair<const char *, HostEvent::Kind> kBareVerbs[] = {
      {"close", HostEvent::Kind::Close},
      {"focuslost", HostEvent::Kind::FocusLost},
      {"padadded", HostEvent::Kind::PadAdded},
      {"padremoved", HostEvent::Kind::PadRemoved},
  };
  for (const auto &[name, kind] : kBareVerbs) {
    if (verb != name) continue;
    ev->kind = kind;
    return arg.empty();
  }
  if (verb == "menu") {
    ev->kind = HostEvent::Kind::Menu;
    return ParseMenuItem(arg, &ev->menu);
  }
  if (verb != "down" && verb != "up") return false;
  ev->kind = verb == "down" ? HostEvent::Kind::KeyDown : HostEvent::Kind::KeyUp;
  std::transform(arg.begin(), arg.end(), arg.begin(), [](unsigned char c) { return std::toupper(c); });
  ev->key = KeyCodeFromName(arg);
  return ev->key != 0;
}

}  // namespace

bool ParseInputScript(const std::string &text, std::vector<ScriptedEvent> *events, std::string *error) {
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;
    std::istringstream words(line);
    long long pass = -1;
    ScriptedEvent se;
    if (!(words >> pass) || pass < 0 || !ParseEvent(words, &se.event)) {
      if (error) *error = "line " + std::to_string(number) + ": cannot read \"" + Excerpt(line) + "\"";
      return false;
    }
    se.pass = static_cast<std::uint64_t>(pass);
    events->push_back(se);
  }
  return true;
}

void HeadlessHost::AddScript(const std::vector<ScriptedEvent> &events) {
  script_.insert(script_.end(), events.begin(), events.end());
  std::stable_sort(script_.begin() + static_cast<std::ptrdiff_t>(scriptPos_), script_.end(),
                   [](const ScriptedEvent &a, const ScriptedEvent &b) { return a.pass < b.pass; });
}

void HeadlessHost::Inject(const HostEvent &ev) {
  if (ev.kind == HostEvent::Kind::KeyDown) held_.insert(ev.key);
  if (ev.kind == HostEvent::Kind::KeyUp) held_.erase(ev.key);
  // The fake pad comes and goes with its events, as a real one is there before SDL reports it.
  if (ev.kind == HostEvent::Kind::PadAdded) joystick.present = true;
  if (ev.kind == HostEvent::Kind::PadRemoved) joystick.present = false;
  pending_.push_back(ev);
}

void HeadlessHost::BeginPass(std::uint64_t pass, PassKind) {
  while (scriptPos_ < script_.size() && script_[scriptPos_].pass <= pass) Inject(script_[scriptPos_++].event);
}

bool HeadlessHost::WaitEvent(HostEvent &ev, int timeoutMs) {
  if (!pending_.empty()) {
    ev = pending_.front();
    pending_.pop_front();
    return true;
  }
  if (timeoutMs > 0) now_ += static_cast<std::uint64_t>(timeoutMs);
  return false;
}

void HeadlessHost::Present(const Surface &mscreen) {
  if (keepFrames && lastFrame.stamp != mscreen.stamp) lastFrame = mscreen;  // unchanged: nothing to copy
  ++presents;
}

void HeadlessHost::MessageBox(const std::string &title, const std::string &text) {
  messageBoxes.push_back(title + ": " + text);
  // Nobody sees a box here: what it says goes to standard error.
  if (echoMessageBoxes) std::fprintf(stderr, "qelvane: %s: %s\n", title.c_str(), text.c_str());
}

bool HeadlessHost::JoyRead(int id, JoyPos &pos) {
  if (id != 0 || !joystick.present || !joystick.readOk) return false;
  pos = joystick.pos;
  return true;
}

bool HeadlessHost::JoyGetCaps(int id, JoyCaps &caps) {
  if (id != 0 || !joystick.present || !joystick.capsOk) return false;
  caps = joystick.caps;
  return true;
}

bool HeadlessHost::MusicOpen(const std::string &path) {
  musicLog.push_back("open " + path);
  musicOpen = true;
  musicStopped = false;
  return true;
}

bool HeadlessHost::MusicPlay() {
  musicLog.push_back("play");
  return musicOpen;
}

void HeadlessHost::MusicClose() {
  musicLog.push_back("close");
  musicOpen = false;
}

void HeadlessHost::MusicRewindAndPlay() {
  musicLog.push_back("rewind");
  musicStopped = false;
}

}  // namespace qel
