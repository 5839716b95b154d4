#include "app/settings_file.h"

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

#include "host/user_dirs.h"
#include "platform/file_io.h"

namespace qel {

namespace {

// A settings file is a page of text; anything much larger is not one.
constexpr std::size_t kMaxSettingsBytes = 1 << 20;

std::string Trim(const std::string &s) {
  const std::size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  const std::size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

std::string Lower(std::string s) {
  for (char &c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

bool ReadInt(const std::string &text, int lo, int hi, int *out) {
  if (text.empty() || text.size() > 4) return false;
  int v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v < lo || v > hi) return false;
  *out = v;
  return true;
}

bool ReadBool(const std::string &text, bool *out) {
  const std::string t = Lower(text);
  if (t == "true" || t == "yes" || t == "on" || t == "1") return *out = true, true;
  if (t == "false" || t == "no" || t == "off" || t == "0") return *out = false, true;
  return false;
}

std::string BoolText(bool v) { return v ? "true" : "false"; }

// One setting: where it is, what the file says about it, and how its value is read and written.
// On a bad value read returns the reason.
struct Field {
  const char *section;
  const char *key;
  const char *comment;
  std::function<std::string(const UserSettings &, const KeyNames &)> write;
  std::function<std::string(const std::string &, const KeyNames &, UserSettings *)> read;
};

Field IntField(const char *section, const char *key, const char *comment, int UserSettings::*member, int lo,
               int hi) {
  return {section, key, comment,
          [member](const UserSettings &s, const KeyNames &) { return std::to_string(s.*member); },
          [member, lo, hi](const std::string &v, const KeyNames &, UserSettings *s) -> std::string {
            if (ReadInt(v, lo, hi, &(s->*member))) return "";
            return "a whole number " + std::to_string(lo) + ".." + std::to_string(hi) + " is needed";
          }};
}

Field BoolField(const char *section, const char *key, const char *comment, bool UserSettings::*member) {
  return {section, key, comment,
          [member](const UserSettings &s, const KeyNames &) { return BoolText(s.*member); },
          [member](const std::string &v, const KeyNames &, UserSettings *s) -> std::string {
            return ReadBool(v, &(s->*member)) ? "" : "true or false is needed";
          }};
}

template <typename E>
Field ChoiceField(const char *section, const char *key, const char *comment, E UserSettings::*member,
                  const char *first, const char *second) {
  return {
      section, key, comment,
      [=](const UserSettings &s, const KeyNames &) { return std::string(s.*member == E{} ? first : second); },
      [=](const std::string &v, const KeyNames &, UserSettings *s) -> std::string {
        const std::string t = Lower(v);
        if (t != first && t != second) return std::string(first) + " or " + second + " is needed";
        s->*member = t == first ? E{} : static_cast<E>(1);
        return "";
      }};
}

std::string KeyListText(const std::vector<int> &usages, const KeyNames &names) {
  std::string text;
  for (int usage : usages) {
    const std::string name = names.name ? names.name(usage) : "";
    if (name.empty()) continue;
    text += (text.empty() ? "" : ", ") + name;
  }
  return text;
}

Field KeyField(GameKey key) {
  const int k = static_cast<int>(key);
  return {"keys", GameKeyName(key), nullptr,
          [=](const UserSettings &s, const KeyNames &names) {
            const std::vector<int> &bound = s.keys[static_cast<std::size_t>(k)];
            return KeyListText(bound.empty() ? DefaultGameKeyUsages(key) : bound, names);
          },
          [=](const std::string &v, const KeyNames &names, UserSettings *s) -> std::string {
            std::vector<int> usages;
            std::istringstream parts(v);
            for (std::string part; std::getline(parts, part, ',');) {
              const std::string name = Trim(part);
              const int usage = names.usage ? names.usage(name) : 0;
              if (usage <= 0) return "no key is called \"" + name + "\"";
              usages.push_back(usage);
            }
            if (usages.empty()) return "a key name is needed";
            s->keys[static_cast<std::size_t>(k)] = usages;
            return "";
          }};
}

const std::vector<Field> &Fields() {
  static const std::vector<Field> fields = [] {
    std::vector<Field> f;
    f.push_back(IntField("sound", "music_volume", "Music volume, 0 (silent) to 100.",
                         &UserSettings::musicVolume, 0, 100));
    f.push_back(IntField("sound", "sound_volume", "Sound-effect volume, 0 (silent) to 100.",
                         &UserSettings::soundVolume, 0, 100));
    for (int k = 0; k < kGameKeys; ++k) f.push_back(KeyField(static_cast<GameKey>(k)));
    f.push_back(IntField("window", "scale",
                         "The window shows the picture this many times its size, 1 to 8;\n"
                         "# 0 picks the largest that fits the desktop.",
                         &UserSettings::scale, 0, 8));
    f.push_back(
        ChoiceField("window", "scaling",
                    "How the picture fills a larger window and the full screen:\n"
                    "# integer (whole multiples, every pixel the same size) or fit (as large as fits).",
                    &UserSettings::scaling, "integer", "fit"));
    f.push_back(ChoiceField("window", "filter", "nearest (sharp pixels) or smooth (blended when enlarged).",
                            &UserSettings::filter, "nearest", "smooth"));
    f.push_back(BoolField("window", "pause_on_focus_loss",
                          "Pause the stage when the window loses the keyboard.",
                          &UserSettings::pauseOnFocusLoss));
    f.push_back(BoolField("window", "hitboxes",
                          "Outline what can hit the ship and what its shots can hit (changes nothing else).",
                          &UserSettings::hitboxes));
    f.push_back({"files", "screenshot_folder",
                 "Where F12 saves screenshots; empty: the qelvane folder in your pictures folder.",
                 [](const UserSettings &s, const KeyNames &) { return s.screenshotFolder; },
                 [](const std::string &v, const KeyNames &, UserSettings *s) -> std::string {
                   if (!v.empty() && v[0] != '/' && v[0] != '~') return "an absolute folder is needed";
                   s->screenshotFolder = v;
                   return "";
                 }});
    return f;
  }();
  return fields;
}

const char *SectionComment(const std::string &section) {
  if (section == "keys")
    return "# The keys that play the game and move through its menus, named by their place on a US\n"
           "# keyboard, so that they stay in place on any layout. Give several keys with commas\n"
           "# between them. A key bound here does only this.\n";
  return "";
}

}  // namespace

std::string DefaultSettingsText(const KeyNames &names) {
  std::ostringstream out;
  out << "# QELVANE settings. Delete this file to get the defaults back; a line the game cannot\n"
         "# read is reported when it starts and left at its default.\n";
  const UserSettings defaults;
  std::string section;
  for (const Field &f : Fields()) {
    if (section != f.section) {
      section = f.section;
      out << "\n[" << section << "]\n" << SectionComment(section);
    }
    if (f.comment) out << "# " << f.comment << "\n";
    out << f.key << " = " << f.write(defaults, names) << "\n";
  }
  return out.str();
}

void ParseSettings(const std::string &text, const KeyNames &names, UserSettings *settings,
                   std::vector<std::string> *problems) {
  std::istringstream lines(text);
  std::string line, section;
  bool knownSection = true;
  auto problem = [&](int number, const std::string &what) {
    if (problems) problems->push_back(std::to_string(number) + ": " + what);
  };
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string t = Trim(line);
    if (t.empty() || t[0] == '#' || t[0] == ';') continue;
    if (t.front() == '[') {
      section = t.back() == ']' ? Lower(Trim(t.substr(1, t.size() - 2))) : "";
      knownSection = false;
      for (const Field &f : Fields()) knownSection |= section == f.section;
      if (!knownSection) problem(number, "unknown section \"" + t + "\"");
      continue;
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string::npos) {
      problem(number, "\"key = value\" expected");
      continue;
    }
    if (!knownSection) continue;  // reported once, at the section's own line
    const std::string key = Lower(Trim(t.substr(0, eq)));
    const std::string value = Trim(t.substr(eq + 1));
    const Field *field = nullptr;
    for (const Field &f : Fields())
      if (section == f.section && key == f.key) field = &f;
    if (!field) {
      problem(number, "unknown setting \"" + key + "\"" + (section.empty() ? "" : " in [" + section + "]"));
      continue;
    }
    UserSettings trial = *settings;
    const std::string why = field->read(value, names, &trial);
    if (why.empty()) *settings = trial;
    else problem(number, key + ": " + why);
  }
}

std::string DefaultSettingsPath() {
  const std::string config = ConfigHome();
  return config.empty() ? "" : config + "/qelvane/settings.ini";
}

void LoadSettingsFile(const std::string &path, const KeyNames &names, UserSettings *settings) {
  if (path.empty()) return;
  if (!IsRegularFile(path)) {
    if (IsFolder(path)) {
      std::fprintf(stderr, "qelvane: %s is a folder, not a settings file: using the defaults\n",
                   path.c_str());
      return;
    }
    // The first run: write the defaults for the player to edit. Failing that, go on without.
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) MakeFolders(path.substr(0, slash));
    std::ofstream out(path, std::ios::binary);
    out << DefaultSettingsText(names);
    return;
  }
  std::string text, why;
  if (ReadWholeFile(path, &text, &why, kMaxSettingsBytes) != ReadResult::Ok) {
    std::fprintf(stderr, "qelvane: cannot read %s: using the defaults\n", why.c_str());
    return;
  }
  std::vector<std::string> problems;
  ParseSettings(text, names, settings, &problems);
  for (const std::string &p : problems)
    std::fprintf(stderr, "qelvane: %s:%s (ignored)\n", path.c_str(), p.c_str());
}

}  // namespace qel
