#include "autopilot/report.h"

#include <sstream>

#include "game.h"

namespace qel {

void BalanceReport::Observe(const Game &g) { (void)g; }

std::string BalanceReport::Json() const { return "{\"stages\": []}"; }

}  // namespace qel
