#include <limits>

#include "game.h"
#include "shop/shop.h"

namespace qel {

namespace {

struct ItemText {
  const char *name;
  const char *desc;
  const char *rating;  // "" for items without a rating line
};

// A price of base + rise x BOUGHT(k); 0 for the items without a price.
struct ItemPrice {
  int base;
  int rise;
};

// Items 1..21: eight weapons, the shield refill, four systems, three packs, the two shop
// commands and the three bombs.
constexpr ItemText kItems[22] = {
    {"", "", ""},
    {"ノーマル", "前方に逆Ｖ字の弾を発射。", "攻撃力：■■■■■　連射力：■■■□□　貫通力：なし"},
    {"レーザー", "四方にレーザーを発射。貫通力がある。", "攻撃力：■■□□□　連射力：■□□□□　貫通力：あり"},
    {"ブラストボム", "あたると爆風がでてさらにダメージを与える。",
     "攻撃力：■■□□□　連射力：■■□□□　貫通力：あり（爆風）"},
    {"バルカン", "前方に弾を発射。連射力が高い。", "攻撃力：■■■□□　連射力：■■■■■　貫通力：なし"},
    {"ワイド", "５方向に弾を発射する。", "攻撃力：■■■□□　連射力：■■□□□　貫通力：なし"},
    {"ファイア", "炎がでて連続ダメージ。射程距離がある。", "攻撃力：■□□□□　連射力：■■■■■　貫通力：あり"},
    {"マルチ", "斜め、横、後ろ斜めの順に弾が発射される。弾は小さめ。",
     "攻撃力：■■■■□　連射力：■■■■□　貫通力：なし"},
    {"シャドー", "ＷＩＳＨの形をした弾が８方向に発射される。射程距離がある。",
     "攻撃力：■■■■□　連射力：■■□□□　貫通力：あり"},
    {"シールドフル", "シールドを全快させる。", ""},
    {"リカバリーシステム", "時間がたつとエネルギーが回復する。", "回復力：■■□"},
    {"ハイリカバリーシステム", "リカバリーより、回復が早い。", "回復力：■■■"},
    {"ダメージチャージシステム", "ダメージ分、ボムゲージに蓄積される。", "回復力：■□□"},
    {"ブリンクロンガーシステム", "ダメージ後の無敵時間が長くなる。", "回復力：■□□"},
    {"シールドパック", "最大シールドが１０上がる。", ""},
    {"ZOZE", "クレジットが上がる。", ""},
    {"キープパック", "やられてもスコアが半分にならない。", ""},
    {"ＴＡＬＫ", "話す", ""},
    {"ＥＸＩＴ", "出口はこちら", ""},
    {"ギガクラッシュ", "敵全体にダメージと敵の弾を消す。", "ボム回復力：■■■"},
    {"ヒールフォース", "シールドが回復する。", "ボム回復力：■□□"},
    {"ローリングサンダー", "回転するサンダーボールを撃つ。敵の弾もかき消す。", "ボム回復力：■■□"},
};

constexpr ItemPrice kPrices[17] = {
    {0, 0},     {800, 0}, {1300, 0}, {1500, 0}, {800, 0},  {1000, 0},   {1000, 0},    {900, 0},     {1700, 0},
    {100, 200}, {500, 0}, {3000, 0}, {2000, 0}, {4000, 0}, {1000, 500}, {2000, 1000}, {1500, 1500},
};

// The shield pack costs this in stage 6, however often it was bought.
constexpr int kStage6ShieldPack = 500;
constexpr int kShieldMaxTop = 100;
constexpr int kCreditTop = 8;

// The four rows of items a shop ship offers: the list applies to a stage when the ship appeared
// at a stage time above `after`; a stage's lists are in falling order of `after`.
struct StockList {
  int stage;
  int after;
  int items[4][2];
};

constexpr int kAlways = std::numeric_limits<int>::min();

constexpr StockList kStock[] = {
    {1, 2499, {{8, 11}, {3, 15}, {7, 14}, {6, 9}}},    {1, kAlways, {{4, 12}, {7, 13}, {1, 16}, {5, 9}}},
    {2, 2499, {{2, 12}, {4, 11}, {6, 14}, {1, 9}}},    {2, kAlways, {{5, 13}, {3, 15}, {8, 16}, {1, 9}}},
    {3, 2499, {{5, 13}, {1, 12}, {4, 14}, {8, 9}}},    {3, kAlways, {{2, 11}, {6, 15}, {4, 14}, {7, 9}}},
    {4, 2499, {{7, 12}, {4, 15}, {1, 14}, {6, 9}}},    {4, kAlways, {{7, 11}, {8, 12}, {5, 14}, {3, 9}}},
    {5, -1, {{1, 10}, {6, 16}, {4, 15}, {2, 9}}},      {5, kAlways, {{5, 11}, {8, 12}, {3, 13}, {7, 14}}},
    {6, -1, {{10, 15}, {11, 16}, {12, 14}, {13, 9}}},  {6, kAlways, {{1, 5}, {2, 6}, {3, 7}, {4, 8}}},
    {7, -1, {{1, 2}, {3, 8}, {4, 5}, {7, 6}}},         {7, kAlways, {{3, 8}, {4, 5}, {7, 6}, {12, 13}}},
    {8, -1, {{1, 2}, {3, 8}, {4, 5}, {7, 6}}},         {8, kAlways, {{3, 8}, {4, 5}, {7, 6}, {12, 13}}},
    {9, kAlways, {{6, 15}, {4, 16}, {7, 14}, {5, 9}}},
};

// The first mission's list serves any stage that has no shop ship of its own.
const StockList &FindStock(int stage, int t) {
  for (const StockList &list : kStock)
    if (list.stage == stage && t > list.after) return list;
  return kStock[sizeof kStock / sizeof kStock[0] - 1];
}

bool IsFreeShop(const Game &g, int t) { return (g.stage.STAGE == 7 || g.stage.STAGE == 8) && t < 0; }

}  // namespace

void SetCatalogueTexts(Shop &shop) {
  for (int k = 1; k <= 21; ++k) {
    shop.ITEMNAME[k] = kItems[k].name;
    shop.ITEMDESC[k] = kItems[k].desc;
    shop.ITEMDESC[29 + k] = kItems[k].rating;
  }
}

void FillShopStock(Game &g, int t) {
  auto &cells = g.shop.SHOPITEM;
  const StockList &list = FindStock(g.stage.STAGE, t);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 2; ++col) cells[col][row] = list.items[row][col];
  FillBombRow(g);
  cells[0][5] = kItemTalk;
  cells[1][5] = kItemExit;
}

void FillBombRow(Game &g) {
  int col = 0;
  for (int k = kItemFirstBomb; k <= kItemLastBomb && col < 2; ++k)
    if (k - kItemFirstBomb != g.player.BOMBKIND) g.shop.SHOPITEM[col++][4] = k;
}

void ComputePrices(Game &g, int t) {
  Shop &shop = g.shop;
  const Player &p = g.player;
  for (int k = 1; k <= kItemKeepPack; ++k) shop.PRICE[k] = kPrices[k].base + kPrices[k].rise * shop.BOUGHT[k];
  if (g.stage.STAGE == 6) shop.PRICE[kItemShieldPack] = kStage6ShieldPack;
  if (p.KEEP == -1) shop.PRICE[kItemKeepPack] = kPriceBlocked;
  if (p.SHIELDMAX == kShieldMaxTop) shop.PRICE[kItemShieldPack] = kPriceBlocked;
  if (p.CREDIT > kCreditTop) shop.PRICE[kItemCredit] = kPriceBlocked;
  if (IsFreeShop(g, t))
    for (int k = 0; k <= kItemKeepPack; ++k) shop.PRICE[k] = 0;
}

void SettlePurchase(Game &g, int k) {
  Shop &shop = g.shop;
  g.player.SCORE -= shop.PRICE[k];
  if (++shop.BOUGHT[k] > kBoughtMax) shop.BOUGHT[k] = kBoughtMax;
  if (k >= kItemShieldFull || shop.PRICE[k] == 0) shop.PRICE[k] = kPriceSoldOut;
}

}  // namespace qel
