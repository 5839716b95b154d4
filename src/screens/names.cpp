#include "screens/screens.h"

namespace qel {

void SetStageNames(Screens &s) {
  s.STAGENAME[1] = "宇宙ステ－ション";
  s.STAGENAME[2] = "小惑星地帯";
  s.STAGENAME[3] = "木星";
  s.STAGENAME[4] = "衛星基地";
}

}  // namespace qel
