#include <gtest/gtest.h>

#include <set>

#include "shop_test_support.h"

namespace qel {
namespace {

using test::ShopTest;

class CatalogueTest : public ShopTest {
 protected:
  void Price(int stage, int shipTime) {
    g().stage.STAGE = stage;
    ComputePrices(g(), shipTime);
  }
  void Stock(int stage, int shipTime) {
    g().stage.STAGE = stage;
    FillShopStock(g(), shipTime);
  }
  std::pair<int, int> Row(int r) { return {shop().SHOPITEM[0][r], shop().SHOPITEM[1][r]}; }
};

TEST_F(CatalogueTest, TextsAreFilledAtStartUp) {
  EXPECT_EQ(shop().ITEMNAME[4], "バルカン");
  EXPECT_EQ(shop().ITEMDESC[8], "ＷＩＳＨの形をした弾が８方向に発射される。射程距離がある。");
  EXPECT_EQ(shop().ITEMDESC[29 + 3], "攻撃力：■■□□□　連射力：■■□□□　貫通力：あり（爆風）");
  EXPECT_EQ(shop().ITEMNAME[15], "ZOZE");
  EXPECT_EQ(shop().ITEMDESC[29 + 11], "回復力：■■■");
  EXPECT_EQ(shop().ITEMDESC[29 + 21], "ボム回復力：■■□");
  for (int k : {9, 14, 15, 16, 17, 18}) EXPECT_EQ(shop().ITEMDESC[29 + k], "") << k;
  EXPECT_EQ(shop().ITEMNAME[17], "ＴＡＬＫ");
  EXPECT_EQ(shop().ITEMDESC[18], "出口はこちら");
}

TEST_F(CatalogueTest, PacksAndTheRefillGetDearerWithEveryPurchaseUpToTheNinth) {
  Price(1, 1400);
  EXPECT_EQ(shop().PRICE[2], 1300);
  EXPECT_EQ(shop().PRICE[13], 4000);
  EXPECT_EQ(shop().PRICE[9], 100);
  EXPECT_EQ(shop().PRICE[14], 1000);
  shop().BOUGHT[9] = 2, shop().BOUGHT[15] = 1, shop().BOUGHT[2] = 5;
  Price(1, 1400);
  EXPECT_EQ(shop().PRICE[9], 500);
  EXPECT_EQ(shop().PRICE[15], 3000);
  EXPECT_EQ(shop().PRICE[2], 1300);  // weapons never rise
  p().SCORE = 30000;
  for (int i = 0; i < 12; ++i) {
    for (int k : {9, 14, 15, 16}) SettlePurchase(g(), k);
    Price(1, 1400);
  }
  for (int k : {9, 14, 15, 16}) EXPECT_EQ(shop().BOUGHT[k], 9) << k;
  EXPECT_EQ(shop().PRICE[9], 1900);
  EXPECT_EQ(shop().PRICE[14], 5500);
  EXPECT_EQ(shop().PRICE[15], 11000);
  EXPECT_EQ(shop().PRICE[16], 15000);
}

TEST_F(CatalogueTest, UselessItemsAreBlockedAndTheStage6ShieldPackIsCheap) {
  shop().BOUGHT[14] = 6;
  Price(6, 850);
  EXPECT_EQ(shop().PRICE[14], 500);
  p().KEEP = -1, p().SHIELDMAX = 100, p().CREDIT = 9;
  Price(6, 850);
  EXPECT_EQ(shop().PRICE[16], kPriceBlocked);
  EXPECT_EQ(shop().PRICE[14], kPriceBlocked);  // blocking comes after the stage 6 price
  EXPECT_EQ(shop().PRICE[15], kPriceBlocked);
  p().KEEP = 0, p().SHIELDMAX = 90, p().CREDIT = 8;
  Price(2, 1400);
  EXPECT_EQ(shop().PRICE[16], 1500);
  EXPECT_EQ(shop().PRICE[14], 4000);
  EXPECT_EQ(shop().PRICE[15], 2000);
}

TEST_F(CatalogueTest, OnlyTheStartShipsOfStages7And8AreFree) {
  p().KEEP = -1, p().SHIELDMAX = 100, p().CREDIT = 12;
  for (int stage : {7, 8}) {
    Price(stage, -99);
    for (int k = 0; k <= 16; ++k) EXPECT_EQ(shop().PRICE[k], 0) << stage << " item " << k;
    Price(stage, 205);
    EXPECT_EQ(shop().PRICE[1], 800);
    EXPECT_EQ(shop().PRICE[16], kPriceBlocked);
  }
  for (int stage : {5, 6}) {
    Price(stage, -99);
    EXPECT_EQ(shop().PRICE[1], 800) << stage;
  }
}

TEST_F(CatalogueTest, APurchaseChargesAndSellsOutAllButPricedWeapons) {
  Price(1, 1400);
  p().SCORE = 5000;
  SettlePurchase(g(), 4);
  EXPECT_EQ(p().SCORE, 4200);
  EXPECT_EQ(shop().PRICE[4], 800);  // the same weapon can be bought again at once
  EXPECT_EQ(shop().BOUGHT[4], 1);
  SettlePurchase(g(), 9);
  EXPECT_EQ(p().SCORE, 4100);
  EXPECT_EQ(shop().PRICE[9], kPriceSoldOut);
  EXPECT_EQ(shop().BOUGHT[9], 1);
  EXPECT_EQ(shop().PRICE[9 + 1], 500);  // neighbours untouched
  Price(7, -99);
  SettlePurchase(g(), 3);
  EXPECT_EQ(p().SCORE, 4100);
  EXPECT_EQ(shop().PRICE[3], kPriceSoldOut);  // a free weapon is taken once per visit
}

TEST_F(CatalogueTest, EachShipOfAStageHasItsOwnStock) {
  Stock(1, 1400);
  EXPECT_EQ(Row(0), std::make_pair(4, 12));
  EXPECT_EQ(Row(3), std::make_pair(5, 9));
  Stock(1, 2499);
  EXPECT_EQ(Row(0), std::make_pair(4, 12));
  Stock(1, 2500);
  EXPECT_EQ(Row(0), std::make_pair(8, 11));
  Stock(4, 2800);
  EXPECT_EQ(Row(1), std::make_pair(4, 15));
  Stock(5, -99);
  EXPECT_EQ(Row(3), std::make_pair(7, 14));
  Stock(5, 1200);
  EXPECT_EQ(Row(0), std::make_pair(1, 10));
  Stock(6, -99);
  EXPECT_EQ(Row(2), std::make_pair(3, 7));  // the last stage opens with weapons only
  Stock(6, 850);
  EXPECT_EQ(Row(0), std::make_pair(10, 15));
  Stock(9, 1400);
  EXPECT_EQ(Row(1), std::make_pair(4, 16));
}

TEST_F(CatalogueTest, ExtraAndBossModeShareTheirStock) {
  for (int shipTime : {-99, 205, 405, 810, 2410}) {
    Stock(7, shipTime);
    auto seven = shop().SHOPITEM;
    Stock(8, shipTime);
    EXPECT_EQ(shop().SHOPITEM, seven) << shipTime;
  }
  Stock(8, -99);
  EXPECT_EQ(Row(3), std::make_pair(12, 13));
  Stock(8, 205);
  EXPECT_EQ(Row(0), std::make_pair(1, 2));
}

TEST_F(CatalogueTest, EveryShipOffersEightDifferentGoodsThenBombsThenTalkAndExit) {
  struct Ship {
    int stage, time;
  };
  for (Ship s : {Ship{1, 1400},
                 {1, 2800},
                 {2, 1400},
                 {2, 2800},
                 {3, 1400},
                 {3, 2800},
                 {4, 1400},
                 {4, 2800},
                 {5, -99},
                 {5, 1200},
                 {6, -99},
                 {6, 850},
                 {7, -99},
                 {7, 810},
                 {9, 1400}}) {
    Stock(s.stage, s.time);
    std::set<int> goods;
    for (int r = 0; r <= 3; ++r)
      for (int c = 0; c <= 1; ++c) goods.insert(shop().SHOPITEM[c][r]);
    EXPECT_EQ(goods.size(), 8u) << s.stage << " " << s.time;
    EXPECT_GE(*goods.begin(), 1);
    EXPECT_LE(*goods.rbegin(), 16);
    EXPECT_EQ(Row(5), std::make_pair(17, 18));
  }
}

TEST_F(CatalogueTest, TheBombRowHoldsTheTwoBombsNotFitted) {
  const std::pair<int, int> want[3] = {{20, 21}, {19, 21}, {19, 20}};
  for (int kind = 0; kind < 3; ++kind) {
    p().BOMBKIND = kind;
    Stock(3, 1400);
    EXPECT_EQ(Row(4), want[kind]) << kind;
  }
}

}  // namespace
}  // namespace qel
