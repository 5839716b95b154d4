// The manual page and the usage text name the same options.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "app/app.h"

namespace qel {
namespace {

std::string ManPageSource() {
  std::ifstream f(std::string(QELVANE_SOURCE_DIR) + "/dist/qelvane.6");
  std::ostringstream text;
  text << f.rdbuf();
  return text.str();
}

// Every long option in the text, "--name".
std::set<std::string> LongOptions(const std::string &text) {
  std::set<std::string> found;
  static const std::regex option("--[a-z][a-z0-9-]*");
  for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it)
    found.insert(it->str());
  return found;
}

// The options the page describes: the terms of the tagged paragraphs (".TP" and the line after
// it) of its OPTIONS section, with roff's "\-" read as "-".
std::set<std::string> DescribedOptions(const std::string &page) {
  std::istringstream lines(page);
  std::string line, terms;
  bool inOptions = false, term = false;
  while (std::getline(lines, line)) {
    if (line.rfind(".SH", 0) == 0) inOptions = line == ".SH OPTIONS";
    if (inOptions && term) terms += line + "\n";
    term = inOptions && line == ".TP";
  }
  std::string plain;
  for (std::size_t i = 0; i < terms.size(); ++i) {
    if (terms.compare(i, 2, "\\-") == 0) ++i;
    plain += terms[i];
  }
  return LongOptions(plain);
}

TEST(ManPage, DescribesEveryOptionOfTheUsageAndNoOther) {
  const std::string page = ManPageSource();
  ASSERT_FALSE(page.empty()) << "dist/qelvane.6 cannot be read";
  const std::set<std::string> usage = LongOptions(UsageText());
  const std::set<std::string> described = DescribedOptions(page);
  ASSERT_GT(usage.size(), 20u);
  for (const std::string &o : usage)
    EXPECT_EQ(described.count(o), 1u) << o << " is in the usage but not in the man page's OPTIONS";
  for (const std::string &o : described)
    EXPECT_EQ(usage.count(o), 1u) << o << " is in the man page's OPTIONS but not in the usage";
  for (const char *section : {".SH NAME", ".SH SYNOPSIS", ".SH DESCRIPTION", ".SH OPTIONS", ".SH KEYS",
                              ".SH FILES", ".SH ENVIRONMENT"})
    EXPECT_NE(page.find(std::string(section) + "\n"), std::string::npos) << section;
}

}  // namespace
}  // namespace qel
