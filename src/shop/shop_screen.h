// Drawing the shop screen and the keeper's messages; used by the steps of the shop.
#pragma once

#include <string>

#include "platform/sound.h"

namespace qel {

struct Game;

// An expression of the keeper: the cells of her eyebrows, eyes and mouth.
struct Face {
  int brows, eyes, mouth;
};

constexpr Face kFaceAtRest{0, 0, 2};      // entering, and after the welcome
constexpr Face kFaceDelighted{2, 1, 4};   // welcome, purchase, bomb change, goodbye
constexpr Face kFaceFriendly{2, 0, 4};    // introduction, weapon-slot choice, friendly talk
constexpr Face kFaceSerious{3, 0, 0};     // warnings, the goodbye before the last battle
constexpr Face kFaceKnowing{2, 3, 2};     // a hint given with a wink
constexpr Face kFaceDismayed{1, 0, 3};    // not enough score, weapon already at level 2
constexpr Face kFaceApologetic{1, 0, 4};  // shield already full, system already fitted
constexpr Face kFaceSorry{1, 2, 0};       // sold out

void SetFace(Game &g, Face face);

// Everything of the screen into DISPLAY: panels, the keeper in her room, the grid with its
// prices and the HUD.
void FullRedraw(Game &g);
// The keeper with the expression of FACE, and the outline of her panel, into DISPLAY.
void DrawKeeper(Game &g);
// DISPLAY onto a cleared MSCREEN; whatever was drawn straight on MSCREEN goes.
void PresentShop(Game &g);
// The frame of TOKU(42) at (x, y) of MSCREEN.
void DrawCursorFrame(Game &g, int x, int y);
// Item k's picture, name, description and rating line in the message window of MSCREEN.
void DrawItemPanel(Game &g, int k);

// How a one-line message of the keeper is shown.
struct MessageLook {
  int x;
  int colour;
  SoundEffect sound;
  int waitMs;
};

constexpr MessageLook kWelcomeLook{20, 15, kSoundNone, 1000};
constexpr MessageLook kNoticeLook{50, 11, kSoundNone, 500};
constexpr MessageLook kGoodbyeLook{50, 11, kSoundNone, 1000};
constexpr MessageLook kRefusalLook{50, 12, kSoundRefuse, 500};

// The keeper changes her face and says one line, then the shop waits.
void KeeperSays(Game &g, Face face, const char *text, const MessageLook &look);
// Two lines of talk under a blinking prompt until SHOT is newly pressed.
void DialogueLoop(Game &g, const std::string &line1, const std::string &line2);

}  // namespace qel
