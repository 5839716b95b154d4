#include "game.h"
#include "stage/stage.h"

namespace qel {

// The waves, bosses and events of each stage are not scheduled yet: the clock runs freely.
void RunStageTimeline(Game &, int) {}

}  // namespace qel
