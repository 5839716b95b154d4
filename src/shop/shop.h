// The shop: its catalogue (names, descriptions, prices, stock) and the shop screen with its
// keeper, opened from the supply ship in the middle of a stage.
#pragma once

#include <array>
#include <string>

namespace qel {

struct Game;

// Item numbers: 1..8 weapons, 9 shield refill, 10..13 systems, 14..16 packs, 17 talk, 18 exit,
// 19..21 bombs (BOMBKIND + 19).
enum ShopItem : int {
  kItemShieldFull = 9,
  kItemFirstSystem = 10,
  kItemLastSystem = 13,
  kItemShieldPack = 14,
  kItemCredit = 15,
  kItemKeepPack = 16,
  kItemTalk = 17,
  kItemExit = 18,
  kItemFirstBomb = 19,
  kItemLastBomb = 21,
};

// PRICE of an item that would be of no use in this visit, and of one sold out by a purchase.
// Both show "----".
constexpr int kPriceBlocked = -50;
constexpr int kPriceSoldOut = -5;
constexpr int kBoughtMax = 9;

// Steps of the shop in PHASE.
enum ShopPhase : int { kShopEnter = 0, kShopChoose = 1, kShopLeave = 2, kShopIntro = 10, kShopLeft = 99 };

struct Shop {
  std::array<std::string, 26> ITEMNAME;
  // Item k's description at k, its rating line at 29 + k.
  std::array<std::string, 51> ITEMDESC;
  std::array<int, 26> BOUGHT{};
  std::array<int, 26> PRICE{};
  // The item of each grid cell: first index the column (0..1), second the row (0..5).
  std::array<std::array<int, 7>, 7> SHOPITEM{};
  // 0 eyebrows, 1 eyes, 2 mouth: the cells of the keeper's face; 5 the prompt arrow's step.
  std::array<int, 7> FACE{};
  int CURSOR = 0;   // grid row
  int CURSOR2 = 0;  // grid column
};

// Fills ITEMNAME and ITEMDESC with the catalogue texts.
void SetCatalogueTexts(Shop &shop);

// The stock of the shop ship that appeared at stage time t of the current stage.
void FillShopStock(Game &g, int t);
// Row 4 of the stock: the two bombs not fitted now.
void FillBombRow(Game &g);
// The prices of this visit (rising prices, blocked items, free shops).
void ComputePrices(Game &g, int t);
// Charges item k after its effect was applied and counts it as bought.
void SettlePurchase(Game &g, int k);

// One step of the shop, t being the stage time at which the supply ship appeared. The caller
// repeats it until PHASE is kShopLeft.
void RunShop(Game &g, int t);
// The supply ship's modal loop: from PHASE 0 a step every 10 ms until the shop is left (the step
// is Effects::shopStep when a test put one there).
void RunShopUntilLeft(Game &g, int t);
// All of a visit: the fade out of play, the shop, and the way back into play.
void VisitShop(Game &g, int t);
// The debug start: the shop of config.shopStage at ship time config.shopTime on a new game,
// then play of that stage.
void StartShopDirectly(Game &g);

}  // namespace qel
