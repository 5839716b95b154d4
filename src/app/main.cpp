// qelvane: builds the host the command line asks for and runs the game on it.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/settings_file.h"
#include "host/headless_host.h"
#include "host/sdl_host.h"
#include "host/user_dirs.h"
#include "platform/text.h"

namespace {

std::string ScreenshotFolder(const qel::UserSettings &user) {
  std::string folder = user.screenshotFolder;
  if (!folder.empty() && folder[0] == '~') {
    const char *home = std::getenv("HOME");
    folder = home ? std::string(home) + folder.substr(1) : "";
  }
  if (!folder.empty()) return folder;
  const std::string pictures = qel::PicturesDir();
  if (!pictures.empty()) return pictures + "/qelvane";
  const std::string data = qel::DataHome();
  return data.empty() ? "" : data + "/qelvane/screenshots";
}

std::string ControllerMappings() {
  const std::string config = qel::ConfigHome();
  return config.empty() ? "" : config + "/qelvane/gamecontrollerdb.txt";
}

}  // namespace

int main(int argc, char **argv) {
  qel::AppOptions opts;
  std::string error;
  if (!qel::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), &opts, &error)) {
    std::fprintf(stderr, "qelvane: %s\n%s", error.c_str(), qel::UsageText().c_str());
    return 2;
  }
  if (opts.help) return std::printf("%s", qel::UsageText().c_str()) < 0;
  if (opts.version) return std::printf("%s", qel::VersionText().c_str()) < 0;
  if (opts.listSheets) return qel::ListSheets(opts);
  if (opts.headless) {
    // Headless runs are for tests and tools: the player's settings file plays no part.
    qel::HeadlessHost host;
    host.echoMessageBoxes = true;
    host.keepFrames = opts.hitboxes;  // the screenshot of the outlines is taken from it
    return qel::RunGame(opts, host);
  }
  const qel::KeyNames keyNames = qel::SdlKeyNames();
  qel::UserSettings user;
  qel::LoadSettingsFile(qel::SettingsPathFor(opts), keyNames, &user);
  qel::ApplyCommandLine(opts, &user);
  opts.hitboxes = user.hitboxes;

  qel::SdlHostOptions hostOpts;
  hostOpts.scale = user.scale;
  hostOpts.fullScreen = opts.screenMode == 0;
  hostOpts.scaling = user.scaling;
  hostOpts.smooth = user.filter == qel::Filter::Smooth;
  hostOpts.pauseOnFocusLoss = user.pauseOnFocusLoss;
  hostOpts.musicVolume = user.musicVolume;
  hostOpts.soundVolume = user.soundVolume;
  for (int k = 0; k < qel::kGameKeys; ++k) hostOpts.keys.Bind(static_cast<qel::GameKey>(k), user.keys[k]);
  hostOpts.controllerMappings = ControllerMappings();
  hostOpts.screenshotFolder = ScreenshotFolder(user);
  hostOpts.pacingLog = opts.pacingLog;
  hostOpts.text = qel::TextRenderer::Open(qel::TextRenderer::DefaultFontPath(), &error);
  std::unique_ptr<qel::Host> host = hostOpts.text ? qel::CreateSdlHost(hostOpts, &error) : nullptr;
  if (!host) {
    std::fprintf(stderr, "qelvane: %s\n", error.c_str());
    return 1;
  }
  return qel::RunGame(opts, *host);
}
