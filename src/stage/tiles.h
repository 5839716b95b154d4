// Painting map tiles into the layer surfaces.
#pragma once

#include "stage/stage.h"

namespace qel {

// Paints the tile of this code at (x, y) of the layer's surface (far: MASTER(0) from HAI(0);
// near: MASTER(1) and MASTER(2) from HAI(1) and its mask HAI(2)). A code without a whole tile
// in its sheet paints an empty cell: black on the far layer, see-through on the near one.
void PaintTile(Game &g, Layer layer, int code, int x, int y);
// The first screenful of a layer: grid rows row..row+17 at the top of its surface.
void PaintLayer(Game &g, Layer layer, int row);

}  // namespace qel
