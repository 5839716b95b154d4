// A viewer of every sprite sheet for whoever draws or checks the art (qelvane --gallery PAGE).
#pragma once

namespace qel {

struct Game;

constexpr int kSceneGallery = 90;  // reachable only from the command line

// One pass of the gallery: LEFT and RIGHT turn the pages.
void RunGallery(Game &g);
// How many pages the gallery has.
int GalleryPages();

}  // namespace qel
