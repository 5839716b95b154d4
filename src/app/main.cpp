// qelvane: builds the host the command line asks for and runs the game on it.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "host/headless_host.h"
#include "host/sdl_host.h"
#include "platform/text.h"

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
    qel::HeadlessHost host;
    return qel::RunGame(opts, host);
  }
  qel::SdlHostOptions hostOpts;
  hostOpts.scale = opts.scale;
  hostOpts.fullScreen = opts.screenMode == 0;
  hostOpts.text = qel::TextRenderer::Open(qel::TextRenderer::DefaultFontPath(), &error);
  std::unique_ptr<qel::Host> host = hostOpts.text ? qel::CreateSdlHost(hostOpts, &error) : nullptr;
  if (!host) {
    std::fprintf(stderr, "qelvane: %s\n", error.c_str());
    return 1;
  }
  return qel::RunGame(opts, *host);
}
