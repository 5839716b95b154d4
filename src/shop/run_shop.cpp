#include <limits>
#include <string>

#include "game.h"
#include "platform/sound.h"
#include "shell/shell.h"
#include "shell/transition.h"
#include "shop/shop.h"
#include "shop/shop_screen.h"

namespace qel {

namespace {

constexpr int kAlways = std::numeric_limits<int>::min();

// What the keeper says when asked to talk: the line of a stage applies when its shop ship appeared
// at a stage time above `after`; a stage's lines are in falling order of `after`.
struct TalkLine {
  int stage;
  int after;
  const char *line1;
  const char *line2;
  Face face;
};

constexpr TalkLine kTalk[] = {
    {1, 2499, "ここのボス「テラザ」は、動きに注意して", "あたらないようにして下さい。", kFaceSerious},
    {1, kAlways, "キープパックはいかがですか？", "やられても、スコアが半分になりませんよ。", kFaceFriendly},
    {2, 2499, "ここのボス「ヴァルディス」は、時々突進してきま", "す。注意して下さい。", kFaceSerious},
    {2, kAlways, "ボムや体当たりで敵を倒しても、", "点数は加算されません。注意して下さいね。", kFaceKnowing},
    {3, 2499, "ここのボス「インバーダー」は、レーザーを連続", "で撃ってきます。用心して下さい。",
     kFaceSerious},
    {3, kAlways, "レーザーなどの貫通力のある弾は", "連続でダメージをうけます。注意して下さい。",
     kFaceSerious},
    {4, 2499, "ここのボス「タルズィット」のリング状のレーザーは", "強力です。注意して下さい。", kFaceSerious},
    {4, kAlways, "同じ武器を買いますと、パワーアップする事が", "できます。", kFaceDelighted},
    {5, -1, "地球まで、もうすぐです。頑張って下さい。", "", kFaceSerious},
    {5, kAlways, "いよいよ、地球へ向かうのですね。", "私も後から参ります。", kFaceSerious},
    {6, -1, "私が協力できるのは、ここまでが限界です。", "気をつけて下さい。", kFaceSerious},
    {6, kAlways, "メシアを倒し、地球を取り戻しましょう。", "", kFaceSerious},
    {7, 2400, "ここのボスは、「マザーコンピューター」です。", "まずは、地上の護衛隊を倒して下さい。",
     kFaceSerious},
    {7, 800, "どうですか？エクストラモードは。", "ここがラストステージになる予定だったのですよ。",
     kFaceFriendly},
    {7, kAlways, "アイテムは特別無料です。ご自由にどうぞ", "", kFaceDelighted},
    {8, 400, "ここからは、ラスト三連戦です！", "クリアーまであと少しです。がんばって！", kFaceSerious},
    {8, 200, "ボスとの連戦は、きついですか？", "でも、あなたならクリアーできると信じています。",
     kFaceFriendly},
    {8, kAlways, "アイテムは特別無料です。ご自由にどうぞ", "", kFaceDelighted},
    {9, kAlways, "ここでは、スコアと引き換えにアイテムを購入", "したり、ボムを変更する事ができます。",
     kFaceFriendly},
};

// The first mission's line serves any stage without a shop ship of its own.
const TalkLine &FindTalk(int stage, int t) {
  for (const TalkLine &line : kTalk)
    if (line.stage == stage && t > line.after) return line;
  return kTalk[sizeof kTalk / sizeof kTalk[0] - 1];
}

void Refuse(Game &g, Face face, const char *text) { KeeperSays(g, face, text, kRefusalLook); }

void Settle(Game &g, int k) {
  PlaySound(g, kSoundConfirm);
  SettlePurchase(g, k);
  KeeperSays(g, kFaceDelighted, "毎度ありがとうございます～", kNoticeLook);
  FullRedraw(g);
  PresentShop(g);
}

void DrawWeaponDialogue(Game &g, int slot) {
  Surface &m = g.surf.MSCREEN;
  const Player &p = g.player;
  for (int i = 0; i < 2; ++i)
    BitBlt(m, 40 + 40 * i, 390, 32, 32, g.sheet(Family::IT, p.WEAPON[i]), (p.WLEVEL[i] - 1) * 32, 0,
           Rop::Copy);
  DrawText(g, m, "どちらのウェポンと取り替えますか？", 20, 15, 20, 340, 1);
  DrawText(g, m, "同じウェポンなら２段階まで、パワーアップします。", 20, 15, 20, 360, 1);
  DrawCursorFrame(g, 40 + 40 * slot, 390);
}

// The slot chosen for a weapon, or -1 when CHANGE cancelled the purchase.
int ChooseWeaponSlot(Game &g) {
  Input &in = g.input;
  PlaySound(g, kSoundConfirm);
  SetFace(g, kFaceFriendly);
  DrawKeeper(g);
  PresentShop(g);
  int slot = 0;
  for (;;) {
    ReadInput(g);
    for (int k : {kPadLeft, kPadRight}) {
      if (!TakePress(in, k)) continue;
      int to = slot + (k == kPadLeft ? -1 : 1);
      if (to < 0 || to > 1) continue;
      slot = to;
      PlaySound(g, kSoundCursor);
    }
    DrawWeaponDialogue(g, slot);
    if (TakePress(in, kPadShot)) return slot;
    if (TakePress(in, kPadChange)) return -1;
    for (int k : {kPadLeft, kPadRight, kPadShot, kPadChange}) in.PADOLD[k] = in.PAD[k];
    ModalWait(g, 100);
  }
}

// Levels belong to slots: the same weapon in the chosen slot goes up to level 2, anything else
// there is replaced at level 1.
void BuyWeapon(Game &g, int k) {
  Player &p = g.player;
  int slot = ChooseWeaponSlot(g);
  if (slot < 0) return;
  if (p.WEAPON[slot] == k && p.WLEVEL[slot] == 2) {
    Refuse(g, kFaceDismayed, "これ以上パワーアップできません。");
    return;
  }
  p.WLEVEL[slot] = p.WEAPON[slot] == k ? 2 : 1;
  p.WEAPON[slot] = k;
  Settle(g, k);
}

void Buy(Game &g, int k) {
  Player &p = g.player;
  if (k <= 8) {
    BuyWeapon(g, k);
  } else if (k == kItemShieldFull && p.SHIELD == p.SHIELDMAX) {
    Refuse(g, kFaceApologetic, "シールド、減っていませんが・・・・");
  } else if (k == kItemShieldFull) {
    p.SHIELD = p.SHIELDMAX;
    Settle(g, k);
  } else if (k <= kItemLastSystem && p.SYSTEM == k) {
    Refuse(g, kFaceApologetic, "そのシステムなら、持ってますよ。");
  } else if (k <= kItemLastSystem) {
    p.SYSTEM = k;
    p.PSTAT[kStatRecoveryInterval] = ShieldRecoveryInterval(k);
    Settle(g, k);
  } else {
    if (k == kItemShieldPack) p.SHIELDMAX = p.SHIELDMAX + 10 > 100 ? 100 : p.SHIELDMAX + 10;
    if (k == kItemCredit) ++p.CREDIT;
    if (k == kItemKeepPack) p.KEEP = -1;
    Settle(g, k);
  }
}

void Talk(Game &g, int t) {
  PlaySound(g, kSoundConfirm);
  const TalkLine &line = FindTalk(g.stage.STAGE, t);
  SetFace(g, line.face);
  DrawKeeper(g);
  DialogueLoop(g, line.line1, line.line2);
}

// A bomb change costs nothing and is never sold out; the cell under the cursor then shows
// one of the other two bombs.
void ChangeBomb(Game &g, int k) {
  Player &p = g.player;
  p.BOMBKIND = k - kItemFirstBomb;
  p.PSTAT[kStatChargeInterval] = BombChargeInterval(p.BOMBKIND);
  PlaySound(g, kSoundConfirm);
  KeeperSays(g, kFaceDelighted, "ボム変更しま～す。", kNoticeLook);
  FillBombRow(g);
  FullRedraw(g);
  PresentShop(g);
}

void Choose(Game &g, int k, int t) {
  const Shop &shop = g.shop;
  if (k == kItemTalk) {
    Talk(g, t);
  } else if (k == kItemExit) {
    PlaySound(g, kSoundConfirm);
    g.shell.PHASE = kShopLeave;
  } else if (k >= kItemFirstBomb && k <= kItemLastBomb) {
    ChangeBomb(g, k);
  } else if (k >= 1 && k <= kItemKeepPack) {
    if (shop.PRICE[k] >= 0 && g.player.SCORE >= shop.PRICE[k]) Buy(g, k);
    else if (shop.PRICE[k] >= 0) Refuse(g, kFaceDismayed, "スコアが足りません～");
    else Refuse(g, kFaceSorry, "すみません、売り切れです～");
  }
}

// Up wins over down and right over left; the cursor stops at the edges of the grid.
void MoveCursor(Game &g) {
  Input &in = g.input;
  Shop &shop = g.shop;
  int mx = 0, my = 0;
  if (TakePress(in, kPadDown)) my = 1;
  if (TakePress(in, kPadUp)) my = -1;
  if (TakePress(in, kPadLeft)) mx = -1;
  if (TakePress(in, kPadRight)) mx = 1;
  if (shop.CURSOR2 + mx < 0 || shop.CURSOR2 + mx > 1) mx = 0;
  if (shop.CURSOR + my < 0 || shop.CURSOR + my > 5) my = 0;
  if (mx != 0 || my != 0) PlaySound(g, kSoundCursor);
  shop.CURSOR2 += mx;
  shop.CURSOR += my;
  for (int k : {kPadUp, kPadDown, kPadLeft, kPadRight}) in.PADOLD[k] = in.PAD[k];
}

void StepChoose(Game &g, int t) {
  Input &in = g.input;
  const Shop &shop = g.shop;
  ReadInput(g);
  MoveCursor(g);
  PresentShop(g);
  int k = shop.SHOPITEM[shop.CURSOR2][shop.CURSOR];
  DrawItemPanel(g, k);
  DrawCursorFrame(g, 25 + 110 * shop.CURSOR2, 70 + 40 * shop.CURSOR);
  if (TakePress(in, kPadShot)) Choose(g, k, t);
  in.PADOLD[kPadShot] = in.PAD[kPadShot];
  in.PADOLD[kPadChange] = in.PAD[kPadChange];
}

void StepEnter(Game &g, int t) {
  g.audio.SNDLOCK = 0;
  SetFace(g, kFaceAtRest);
  FillShopStock(g, t);
  ComputePrices(g, t);
  FullRedraw(g);
  Transition(g, 1);
  PresentShop(g);
  KeeperSays(g, kFaceDelighted, "いらっしゃいませ～", kWelcomeLook);
  SetFace(g, kFaceAtRest);
  DrawKeeper(g);
  PresentShop(g);
  g.shell.PHASE = kShopChoose;
  g.shop.CURSOR2 = 0, g.shop.CURSOR = 0;
  g.input.PADOLD.fill(0);
  if (g.screens.SHOPMEET == 0) {
    g.screens.SHOPMEET = 1;
    g.shell.PHASE = kShopIntro;
  }
}

void StepIntroduce(Game &g) {
  PlaySound(g, kSoundConfirm);
  SetFace(g, kFaceFriendly);
  g.screens.SHOPMEET = 2;
  DrawKeeper(g);
  DialogueLoop(g, "申し遅れました私、フェルナといいます。", "あなたの力になりたくて、やってきました。");
  g.shell.PHASE = kShopChoose;
}

// Only the last battle gets a different goodbye.
void StepLeave(Game &g) {
  if (g.stage.STAGE == 6) KeeperSays(g, kFaceSerious, "ご無事を祈ってます。", kGoodbyeLook);
  else KeeperSays(g, kFaceDelighted, "また来てください～", kGoodbyeLook);
  g.shell.PHASE = kShopLeft;
  Transition(g, 0);
}

}  // namespace

void RunShop(Game &g, int t) {
  switch (g.shell.PHASE) {
    case kShopEnter: StepEnter(g, t); break;
    case kShopChoose: StepChoose(g, t); break;
    case kShopLeave: StepLeave(g); break;
    case kShopIntro: StepIntroduce(g); break;
    default: break;
  }
}

}  // namespace qel
