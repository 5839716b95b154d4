#include <gtest/gtest.h>

#include "shop_test_support.h"

namespace qel {
namespace {

using Face3 = std::array<int, 3>;
constexpr int kChangeKey = 'X';

class RunShopTest : public test::ShopTest {
 protected:
  const Surface &screen() { return g().surf.MSCREEN; }
  // The message of the keeper in the message window, in its colour.
  bool Says(const std::string &text, int colour) { return Shows(screen(), text, 20, colour, 50, 350, 1); }
};

TEST_F(RunShopTest, TheFirstVisitOfAStoryGameBringsTheIntroductionOnce) {
  g().screens.SHOPMEET = 0;
  Enter(1, 1400);
  EXPECT_EQ(face(), (Face3{0, 0, 2}));
  EXPECT_EQ(phase(), kShopIntro);
  EXPECT_EQ(g().screens.SHOPMEET, 1);
  PressLater(2, kChangeKey);  // CHANGE and the directions do not end a talk
  PressLater(4, vk::Down);
  PressLater(6, vk::Z);
  Step();
  EXPECT_TRUE(Shows(screen(), "申し遅れました私、フェルナといいます。", 20, 15, 20, 350, 1));
  EXPECT_TRUE(Shows(screen(), "あなたの力になりたくて、やってきました。", 20, 15, 20, 370, 1));
  EXPECT_EQ(face(), (Face3{2, 0, 4}));
  EXPECT_EQ(g().screens.SHOPMEET, 2);
  EXPECT_EQ(phase(), kShopChoose);
  EXPECT_EQ(SoundCount(15), 1);
  EXPECT_EQ(SoundCount(14), 0);
  Enter(1, 2800);
  EXPECT_EQ(phase(), kShopChoose);
}

TEST_F(RunShopTest, ExtraAndBossModesNeverIntroduceTheKeeper) {
  SetUpNewGame(g(), kNewGameBoss);
  Enter(8, -99);
  EXPECT_EQ(phase(), kShopChoose);
  EXPECT_EQ(g().screens.SHOPMEET, 5);
}

TEST_F(RunShopTest, TheCursorStopsAtTheEdgesOfTheGridWithoutASound) {
  Enter(2, 1400);
  Tap(vk::Up);
  Tap(vk::Left);
  EXPECT_EQ(SoundCount(14), 0);
  for (int i = 0; i < 7; ++i) Tap(vk::Down);
  for (int i = 0; i < 3; ++i) Tap(vk::Right);
  EXPECT_EQ(shop().CURSOR, 5);
  EXPECT_EQ(shop().CURSOR2, 1);
  EXPECT_EQ(SoundCount(14), 6);
  // The item panel shows the cell under the cursor: EXIT.
  EXPECT_TRUE(Shows(screen(), "ＥＸＩＴ", 15, 11, 80, 350, 0));
  EXPECT_TRUE(Shows(screen(), "出口はこちら", 15, 15, 20, 380, 0));
  Enter(2, 1400);
  EXPECT_EQ(shop().CURSOR, 0);  // every visit starts at the top left
  EXPECT_EQ(shop().CURSOR2, 0);
}

TEST_F(RunShopTest, AWeaponGoesIntoEitherSlotAndASecondOneRaisesItsLevel) {
  p().SCORE = 5000;
  Enter(1, 1400);  // row 0: Vulcan (4) for 800
  BuyWeaponInto(1);
  EXPECT_EQ(p().WEAPON[1], 4);
  EXPECT_EQ(p().WLEVEL[1], 1);
  EXPECT_EQ(p().SCORE, 4200);
  EXPECT_EQ(face(), (Face3{2, 1, 4}));
  BuyWeaponInto(1);
  EXPECT_EQ(p().WLEVEL[1], 2);
  EXPECT_EQ(p().SCORE, 3400);
  BuyWeaponInto(1);  // level 2 is the top: refused and not charged
  EXPECT_TRUE(Says("これ以上パワーアップできません。", 12));
  EXPECT_EQ(face(), (Face3{1, 0, 3}));
  EXPECT_EQ(p().SCORE, 3400);
  EXPECT_EQ(SoundCount(16), 1);
  BuyWeaponInto(0);  // held in the other slot only: a different weapon for slot 0
  EXPECT_EQ(p().WEAPON[0], 4);
  EXPECT_EQ(p().WLEVEL[0], 1);
  EXPECT_EQ(p().WLEVEL[1], 2);
  EXPECT_EQ(p().SCORE, 2600);
  EXPECT_EQ(shop().BOUGHT[4], 3);
  EXPECT_EQ(shop().PRICE[4], 800);
}

TEST_F(RunShopTest, ANewWeaponReplacesALevel2OneAtLevel1) {
  p().SCORE = 5000;
  p().WEAPON = {5, 2}, p().WLEVEL = {2, 1};
  Enter(1, 1400);
  BuyWeaponInto(0);
  EXPECT_EQ(p().WEAPON[0], 4);
  EXPECT_EQ(p().WLEVEL[0], 1);
}

TEST_F(RunShopTest, TheWeaponDialogueShowsBothSlotsAndCancelsWithChange) {
  p().SCORE = 5000;
  Enter(1, 1400);
  PressLater(2, kChangeKey);
  Shoot();
  EXPECT_TRUE(Shows(screen(), "どちらのウェポンと取り替えますか？", 20, 15, 20, 340, 1));
  EXPECT_TRUE(Shows(screen(), "同じウェポンなら２段階まで、パワーアップします。", 20, 15, 20, 360, 1));
  EXPECT_EQ(face(), (Face3{2, 0, 4}));
  EXPECT_EQ(p().SCORE, 5000);
  EXPECT_EQ(p().WEAPON, (std::array<int, 2>{1, 2}));
  EXPECT_EQ(shop().BOUGHT[4], 0);
  EXPECT_EQ(phase(), kShopChoose);
}

TEST_F(RunShopTest, TheShieldRefillIsRefusedWhileFullAndSellsOutOnceBought) {
  p().SCORE = 1000;
  Enter(1, 1400);
  GoTo(1, 3);  // row 3: the refill
  Tap(vk::Z);
  EXPECT_TRUE(Says("シールド、減っていませんが・・・・", 12));
  EXPECT_EQ(face(), (Face3{1, 0, 4}));
  EXPECT_EQ(p().SCORE, 1000);
  p().SHIELD = 12;
  Tap(vk::Z);
  EXPECT_EQ(p().SHIELD, p().SHIELDMAX);
  EXPECT_EQ(p().SCORE, 900);
  EXPECT_EQ(shop().PRICE[9], kPriceSoldOut);
  EXPECT_TRUE(Shows(g().surf.DISPLAY, "----", 15, 15, 135 + 50, 190 + 8, 1)) << "the grid is redrawn at once";
  p().SHIELD = 12;
  Tap(vk::Z);
  EXPECT_TRUE(Says("すみません、売り切れです～", 12));
  EXPECT_EQ(face(), (Face3{1, 2, 0}));
  EXPECT_EQ(p().SCORE, 900);
}

TEST_F(RunShopTest, AFittedSystemIsRefusedAndANewOneIsFittedWithItsInterval) {
  p().SCORE = 9000;
  p().SYSTEM = 13;
  Enter(1, 1400);
  GoTo(1, 1);  // the blink-longer system
  Tap(vk::Z);
  EXPECT_TRUE(Says("そのシステムなら、持ってますよ。", 12));
  EXPECT_EQ(p().SCORE, 9000);
  Tap(vk::Up);
  Tap(vk::Z);  // the damage-charge system
  EXPECT_EQ(p().SYSTEM, 12);
  EXPECT_EQ(p().PSTAT[5], 45);
  EXPECT_EQ(p().SCORE, 7000);
}

TEST_F(RunShopTest, NotEnoughScoreIsRefusedWithItsOwnFace) {
  p().SCORE = 799;
  Enter(1, 1400);
  Tap(vk::Z);
  EXPECT_TRUE(Says("スコアが足りません～", 12));
  EXPECT_EQ(face(), (Face3{1, 0, 3}));
  EXPECT_EQ(SoundCount(16), 1);
  EXPECT_EQ(p().WEAPON[0], 1);
}

TEST_F(RunShopTest, BlockedItemsShowDashesAndAreSoldOut) {
  p().SCORE = 30000;
  p().KEEP = -1;
  Enter(1, 1400);
  EXPECT_TRUE(Shows(g().surf.DISPLAY, "----", 15, 15, 135 + 50, 150 + 8, 1));
  EXPECT_TRUE(Shows(g().surf.DISPLAY, "0800", 15, 15, 25 + 50, 70 + 8, 1));
  GoTo(1, 2);
  Tap(vk::Z);
  EXPECT_TRUE(Says("すみません、売り切れです～", 12));
  EXPECT_EQ(p().SCORE, 30000);
  p().SHIELDMAX = 100, p().CREDIT = 9;
  Enter(1, 2800);  // shield pack at (1, 2), ZOZE at (1, 1)
  GoTo(1, 1);
  Tap(vk::Z);
  Tap(vk::Down);
  Tap(vk::Z);
  EXPECT_EQ(SoundCount(16), 3);
  EXPECT_EQ(p().SCORE, 30000);
  EXPECT_EQ(p().CREDIT, 9);
}

TEST_F(RunShopTest, PacksRaiseTheShieldMaximumCreditsAndKeep) {
  p().SCORE = 30000;
  p().SHIELDMAX = 95, p().SHIELD = 20;
  Enter(1, 2800);
  GoTo(1, 1);
  Tap(vk::Z);  // ZOZE
  Tap(vk::Down);
  Tap(vk::Z);  // shield pack
  EXPECT_EQ(p().CREDIT, 3);
  EXPECT_EQ(p().SHIELDMAX, 100);
  EXPECT_EQ(p().SHIELD, 20);
  EXPECT_EQ(p().SCORE, 30000 - 2000 - 1000);
  Enter(1, 1400);
  GoTo(1, 2);
  Tap(vk::Z);
  EXPECT_EQ(p().KEEP, -1);
}

TEST_F(RunShopTest, TheFreeShopGivesEverythingOnceEvenWithoutScore) {
  SetUpNewGame(g(), kNewGameExtra);
  Enter(7, -99);
  EXPECT_TRUE(Shows(g().surf.DISPLAY, "0000", 15, 15, 25 + 50, 70 + 8, 1));
  GoTo(0, 3);
  Tap(vk::Z);  // the damage-charge system
  EXPECT_EQ(p().SYSTEM, 12);
  Tap(vk::Up);
  BuyWeaponInto(1);  // multi
  EXPECT_EQ(p().WEAPON[1], 7);
  Tap(vk::Z);
  EXPECT_TRUE(Says("すみません、売り切れです～", 12)) << "a free weapon is taken once";
  EXPECT_EQ(p().WLEVEL[1], 1);
  EXPECT_EQ(p().SCORE, 0);
  GoTo(1, 3);  // from (0, 2): row 5, exit
  Tap(vk::Z);
  EXPECT_EQ(phase(), kShopLeave);
  Step();
  EXPECT_EQ(face(), (Face3{2, 1, 4}));
  EXPECT_EQ(phase(), kShopLeft);
}

TEST_F(RunShopTest, ABombChangeIsFreeAndRefillsTheBombRow) {
  p().SCORE = 100;
  p().BOMBKIND = 0;
  Enter(3, 1400);
  GoTo(0, 4);
  Tap(vk::Z);  // heal force
  EXPECT_EQ(p().BOMBKIND, 1);
  EXPECT_EQ(p().PSTAT[12], 15);
  EXPECT_EQ(shop().SHOPITEM[0][4], 19);
  EXPECT_EQ(shop().SHOPITEM[1][4], 21);
  Tap(vk::Z);  // the same cell now holds the giga crash
  EXPECT_EQ(p().BOMBKIND, 0);
  EXPECT_EQ(p().PSTAT[12], 5);
  EXPECT_EQ(p().SCORE, 100);
  EXPECT_EQ(SoundCount(15), 2);
}

TEST_F(RunShopTest, ATalkFollowsTheShipAndEndsOnlyWithShot) {
  struct Want {
    int stage, time;
    const char *line;
    Face3 face;
  };
  for (Want w : {Want{1, 1400, "キープパックはいかがですか？", {2, 0, 4}},
                 {2, 1400, "ボムや体当たりで敵を倒しても、", {2, 3, 2}},
                 {4, 2800, "ここのボス「タルズィット」のリング状のレーザーは", {3, 0, 0}},
                 {7, 810, "どうですか？エクストラモードは。", {2, 0, 4}},
                 {8, -99, "アイテムは特別無料です。ご自由にどうぞ", {2, 1, 4}},
                 {8, 405, "ここからは、ラスト三連戦です！", {3, 0, 0}}}) {
    Enter(w.stage, w.time);
    GoTo(0, 5);
    PressLater(2, kChangeKey);
    PressLater(4, vk::Left);
    PressLater(6, vk::Z);
    Shoot();
    EXPECT_TRUE(Shows(screen(), w.line, 20, 15, 20, 350, 1)) << w.stage << " " << w.time;
    EXPECT_EQ(face(), w.face) << w.stage << " " << w.time;
    EXPECT_EQ(shop().CURSOR2, 0);
    EXPECT_EQ(phase(), kShopChoose);
  }
}

TEST_F(RunShopTest, ThePromptArrowBlinksFourStepsOpenAndThreeFilled) {
  Enter(9, 1400);
  GoTo(0, 5);
  PressLater(5, vk::Z);
  Shoot();
  // Five passes of the loop: steps 0..3 show the open arrow, step 4 the filled one.
  EXPECT_TRUE(Shows(screen(), "▼", 20, 15, 240, 400, 0));
  EXPECT_EQ(shop().FACE[5], 5);
}

TEST_F(RunShopTest, OnlyTheLastStageSaysAGoodbyeOfItsOwn) {
  for (int stage : {6, 5}) {
    Enter(stage, -99);
    GoTo(1, 5);
    Tap(vk::Z);
    EXPECT_EQ(phase(), kShopLeave);
    StopAtWait(1);
    bool six = stage == 6;
    Face3 want = six ? Face3{3, 0, 0} : Face3{2, 1, 4};
    EXPECT_EQ(face(), want);
    EXPECT_TRUE(Says(six ? "ご無事を祈ってます。" : "また来てください～", 11));
    Step();
    EXPECT_EQ(phase(), kShopLeft);
    auto before = t.host.presents;
    Step();  // a left shop does nothing
    EXPECT_EQ(t.host.presents, before);
  }
}

TEST_F(RunShopTest, TheWelcomeAndTheThanksAreShownWhileTheShopWaits) {
  p().SCORE = 1000;
  g().stage.STAGE = 1;
  time = 1400;
  g().shell.PHASE = kShopEnter;
  StopAtWait(kWipeSteps + 1);  // the first wait after the shop's reveal
  EXPECT_TRUE(Shows(screen(), "いらっしゃいませ～", 20, 15, 20, 350, 1));
  EXPECT_EQ(face(), (Face3{2, 1, 4}));
  Enter(1, 1400);
  GoTo(1, 3);
  p().SHIELD = 1;
  Step();
  t.host.PressKey(vk::Z);
  StopAtWait(1);
  EXPECT_TRUE(Says("毎度ありがとうございます～", 11));
  EXPECT_EQ(p().SCORE, 900);
}

TEST_F(RunShopTest, TheScreenPutsGridKeeperAndCursorInTheirPlaces) {
  Enter(4, 1400);
  Tap(vk::Down);
  const Surface &d = g().surf.DISPLAY;
  for (int r = 0; r <= 5; ++r)
    for (int c = 0; c <= 1; ++c) {
      const Surface &icon = g().sheet(Family::IT, shop().SHOPITEM[c][r]);
      EXPECT_EQ(d.at(25 + 110 * c + 16, 70 + 40 * r + 16), icon.at(16, 16)) << c << " " << r;
    }
  EXPECT_EQ(d.at(25 + 45, 70 + 7), QBColor(15));           // a price box's outline
  EXPECT_EQ(d.at(25 + 46, 70 + 23), QBColor(0));           // and its black inside
  EXPECT_EQ(d.at(25 + 70, 70 + 4 * 40 + 15), QBColor(1));  // no prices for bombs and commands
  EXPECT_EQ(d.at(10, 330), QBColor(15));
  EXPECT_EQ(d.at(11, 331), QBColor(1));
  EXPECT_EQ(d.at(470, 320), QBColor(15));
  // The keeper: the portrait through its mask over her room.
  const Surface &room = g().sheet(Family::HAI, 13), &mask = g().sheet(Family::TOKUM, 38),
                &keeper = g().sheet(Family::TOKU, 38);
  auto feature = [](int x, int y) {
    return (x >= 70 && x < 134 && y >= 44 && y < 65) || (x >= 93 && x < 110 && y >= 79 && y < 87);
  };
  for (int y = 1; y < 270; y += 3)
    for (int x = 1; x < 210; x += 3)
      if (!feature(x, y)) {
        ASSERT_EQ(d.at(260 + x, 50 + y), (room.at(x, y) & mask.at(x, y)) ^ keeper.at(x, y)) << x << " " << y;
      }
  // The cursor frame on the screen, over the cell of row 1.
  const Surface &m = screen(), &frameMask = g().sheet(Family::TOKUM, 42),
                &frame = g().sheet(Family::TOKU, 42);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (frameMask.at(x, y) == 0) {
        EXPECT_EQ(m.at(25 + x, 110 + y), frame.at(x, y)) << x << " " << y;
      }
}

}  // namespace
}  // namespace qel
