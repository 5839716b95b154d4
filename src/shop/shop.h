// The shop's catalogue: names, descriptions and how often each item was bought.
#pragma once

#include <array>
#include <string>

namespace qel {

struct Shop {
  std::array<std::string, 26> ITEMNAME;
  std::array<std::string, 51> ITEMDESC;
  std::array<int, 26> BOUGHT{};
};

// Fills ITEMNAME and ITEMDESC with the catalogue texts.
void SetCatalogueTexts(Shop &shop);

}  // namespace qel
