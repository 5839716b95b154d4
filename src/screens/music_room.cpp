// Scene 9: the nine pieces of the game, each with a word from the shop keeper.
#include <string>

#include "game.h"
#include "platform/sound.h"
#include "screens/menu_kit.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "shell/transition.h"
#include "shop/shop_screen.h"

namespace qel {

namespace {

constexpr int kList = 1;
constexpr int kPieces = 9;

struct Piece {
  const char *title;
  Face face;
  const char *line1, *line2;
};

// Row r plays music number r + 1.
// clang-format off
const Piece kPieceTable[kPieces] = {
    {"ＱＵＩＣＫ　ＭＯＶＥＭＥＮＴ", {2, 0, 2}, "宇宙ステーションでながれますね。", "テンポがいいのが魅力的です。"},
    {"ＰＥＲＩＬＯＵＳ　ＺＯＮＥ", {2, 1, 4}, "衛星基地と小惑星地帯で聴きますね。", "私、この曲とても気に入ってます。"},
    {"ＵＮＥＡＳＹ　ＦＬＩＧＨＴ", {1, 1, 4}, "木星付近の所で流れますね。", "ここのボスは、攻撃が激しくて苦労しましたね。"},
    {"宇宙を舞う鳥", {2, 0, 4}, "オープニング、ワープ空間、エクストラモードと", "一番、耳にする曲ですね。"},
    {"ＴＷＩＮＫＬＥ　ＤＡＲＫ", {2, 0, 4}, "ボスが登場した時にながれますね。実はある程度", "時間が過ぎても、ボスの攻撃が変わるんです。"},
    {"ＭＩＳＳＩＯＮ　ＣＯＭＰＬＥＴＥ", {2, 0, 2}, "ミッションクリア時にながれます。", ""},
    {"ＳＴＯＰ　ＴＨＥ　ＴＩＭＥ", {2, 2, 2}, "地球に戻ったときにながれますね。", "いつ聴いてもいいものですね。"},
    {"ＡＬＡＲＭ", {2, 3, 2}, "メシア戦でながれますね。そして、別のボスのとこ", "ろでも。ここに来られたのですから、知ってますね。"},
    {"ＷＡＲＭ　ＭＥＬＯＤＹ", {2, 2, 2}, "エンディングで流れますね。", "この曲を聴くと、あの時の夕日を思い出します。"},
};
// clang-format on

const char *const kGreeting = "いらっしゃいませ～ MUSICルームへようこそ。";
const char *const kFarewell = "また来てください～";
constexpr Face kFaceWelcoming{0, 1, 4};

int RowY(int row) { return 50 + 30 * row; }

void ClearTextBox(Game &g) {
  FillBox(g.surf.DISPLAY, 10, 330, 470, 430, QBColor(1));
  DrawBox(g.surf.DISPLAY, 10, 330, 470, 430, QBColor(15));
}

void DrawRoom(Game &g) {
  Surface &d = g.surf.DISPLAY;
  Cls(d);
  DrawText(g, d, "MUSIC ROOM", 45, 2, 95, 8, 1);  // the heading's shadow sits 5 px off
  DrawText(g, d, "MUSIC ROOM", 45, 10, 90, 3, 1);
  FillBox(d, 10, 330, 470, 430, QBColor(1));
  FillBox(d, 260, 50, 470, 320, QBColor(1));
  BitBlt(d, 260, 50, 210, 270, g.sheet(Family::HAI, 13), 0, 0, Rop::Copy);
  DrawKeeper(g);
  DrawBox(d, 10, 330, 470, 430, QBColor(15));
  DrawBox(d, 260, 50, 470, 320, QBColor(15));
  for (int i = 0; i < kPieces; ++i) {
    int y = RowY(i);
    FillBox(d, 10, y, 250, y + 30, QBColor(1));
    DrawBox(d, 10, y, 250, y + 30, QBColor(15));
    DrawText(g, d, NumberText(i + 1), 15, 11, 20, y + 7, 1);
    DrawText(g, d, kPieceTable[i].title, 15, 15, 50, y + 7, 0);
  }
}

void Enter(Game &g) {
  g.audio.SNDLOCK = 0;
  SetFace(g, kFaceAtRest);
  DrawRoom(g);
  Transition(g, 1);
  SetFace(g, kFaceWelcoming);
  DrawKeeper(g);
  PresentDisplay(g);
  DrawText(g, g.surf.MSCREEN, kGreeting, 20, 15, 20, 350, 1);  // the next present removes it
  ModalWait(g, 1000);
  g.shell.PHASE = kList;
  g.shop.CURSOR = 0;
  g.input.PADOLD.fill(0);
}

void Choose(Game &g, int row) {
  const Piece &piece = kPieceTable[row];
  PlaySound(g, kSoundConfirm);
  ClearTextBox(g);
  SetFace(g, piece.face);
  DrawText(g, g.surf.DISPLAY, piece.line1, 20, 15, 20, 350, 1);
  DrawText(g, g.surf.DISPLAY, piece.line2, 20, 15, 20, 380, 1);
  DrawKeeper(g);
  PresentDisplay(g);
  PlayMusic(g, row + 1);
}

void Leave(Game &g) {
  ClearTextBox(g);
  SetFace(g, kFaceWelcoming);
  DrawKeeper(g);
  PresentDisplay(g);
  DrawText(g, g.surf.MSCREEN, kFarewell, 20, 15, 50, 350, 1);
  ModalWait(g, 1000);
  g.shell.PHASE = 0;
  Transition(g, 0);
  g.shell.SCENE = kSceneTitle;  // the piece plays on until the title stops it
}

void List(Game &g) {
  Input &in = g.input;
  int &cursor = g.shop.CURSOR;
  ReadInput(g);
  int d = StepWithin(cursor, VerticalStep(in), 0, kPieces - 1);
  if (d != 0) PlaySound(g, kSoundCursor);
  cursor += d;
  in.PADOLD[kPadDown] = in.PAD[kPadDown];
  in.PADOLD[kPadUp] = in.PAD[kPadUp];
  PresentDisplay(g);
  DrawBox(g.surf.MSCREEN, 10, RowY(cursor), 250, RowY(cursor) + 30, QBColor(12));
  if (TakePress(in, kPadShot)) Choose(g, cursor);
  if (TakePress(in, kPadChange)) Leave(g);
  in.PADOLD[kPadShot] = in.PAD[kPadShot];
  in.PADOLD[kPadChange] = in.PAD[kPadChange];
}

}  // namespace

void RunMusicRoom(Game &g) {
  if (g.shell.PHASE == 0) Enter(g);
  else if (g.shell.PHASE == kList) List(g);
}

}  // namespace qel
