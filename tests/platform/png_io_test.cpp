#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/png_io.h"
#include "platform/surface.h"

namespace qel {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class PngIo : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("qelvane_png_" + std::string(info->name()) + "_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string &name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

Surface Pattern(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      s.px[y * w + x] = static_cast<Pixel>((x * 0x0B1D37u + y * 0x3A0F01u) & 0xFFFFFF);
  }
  s.px[0] = 0x000000;
  s.px[1] = 0xFFFFFF;
  return s;
}

std::vector<char> ReadBytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string &path, const std::vector<char> &bytes, std::size_t n) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(n));
}

// Writes a PNG in a pixel format the game itself never writes (as art tools export them).
void WriteRawPng(const std::string &path, int w, int h, int depth, int colourType,
                 const std::vector<std::vector<png_byte>> &rows) {
  std::FILE *f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), depth, colourType,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (const auto &row : rows) png_write_row(png, row.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
}

TEST_F(PngIo, RoundTripKeepsEveryPixelAndTextEntry) {
  const Surface s = Pattern(37, 23);
  const std::map<std::string, std::string> text{{"Kind", "diagnostic"}, {"Comment", "two words"}};
  std::string error;
  ASSERT_TRUE(WritePng(path("a.png"), s, text, &error)) << error;

  Surface back;
  std::map<std::string, std::string> readText{{"Stale", "entry"}};
  ASSERT_TRUE(ReadPng(path("a.png"), back, &readText, &error)) << error;
  EXPECT_EQ(back.w, 37);
  EXPECT_EQ(back.h, 23);
  EXPECT_EQ(back.px, s.px);
  EXPECT_EQ(readText, text);

  // Without text, and without asking for it.
  ASSERT_TRUE(WritePng(path("b.png"), s));
  ASSERT_TRUE(ReadPng(path("b.png"), back));
  EXPECT_EQ(back.px, s.px);
}

TEST_F(PngIo, WritingTheSamePictureTwiceGivesTheSameBytes) {
  const Surface s = Pattern(64, 32);
  ASSERT_TRUE(WritePng(path("a.png"), s, {{"Kind", "art"}}));
  ASSERT_TRUE(WritePng(path("b.png"), s, {{"Kind", "art"}}));
  EXPECT_EQ(ReadBytes(path("a.png")), ReadBytes(path("b.png")));
}

TEST_F(PngIo, ReadsOneBitGreyAndRgbaAsRgb) {
  // 1-bit grey, as masks are exported: 0b10100000 -> white, black, white, black.
  WriteRawPng(path("mask.png"), 4, 1, 1, PNG_COLOR_TYPE_GRAY, {{0xA0}});
  Surface s;
  std::string error;
  ASSERT_TRUE(ReadPng(path("mask.png"), s, nullptr, &error)) << error;
  EXPECT_EQ(s.px, (std::vector<Pixel>{0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000}));

  // RGBA: the alpha channel is ignored, the colour kept.
  WriteRawPng(path("rgba.png"), 2, 1, 8, PNG_COLOR_TYPE_RGB_ALPHA,
              {{0x12, 0x34, 0x56, 0x00, 0xAB, 0xCD, 0xEF, 0x80}});
  ASSERT_TRUE(ReadPng(path("rgba.png"), s, nullptr, &error)) << error;
  EXPECT_EQ(s.px, (std::vector<Pixel>{0x123456, 0xABCDEF}));
}

TEST_F(PngIo, MissingOrForeignFilesAreErrors) {
  Surface s;
  std::string error;
  EXPECT_FALSE(ReadPng(path("nothing.png"), s, nullptr, &error));
  EXPECT_NE(error.find("nothing.png"), std::string::npos) << error;

  WriteBytes(path("text.png"), {'h', 'e', 'l', 'l', 'o', '\n', 'x', 'y', 'z', 'w'}, 10);
  error.clear();
  EXPECT_FALSE(ReadPng(path("text.png"), s, nullptr, &error));
  EXPECT_NE(error.find("text.png"), std::string::npos) << error;

  WriteBytes(path("empty.png"), {}, 0);
  EXPECT_FALSE(ReadPng(path("empty.png"), s));
}

TEST_F(PngIo, EveryTruncationIsAnErrorNotACrash) {
  ASSERT_TRUE(WritePng(path("whole.png"), Pattern(20, 10), {{"Kind", "art"}}));
  const std::vector<char> bytes = ReadBytes(path("whole.png"));
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    WriteBytes(path("cut.png"), bytes, n);
    Surface s;
    std::string error;
    EXPECT_FALSE(ReadPng(path("cut.png"), s, nullptr, &error)) << "cut at " << n;
    EXPECT_FALSE(error.empty()) << "cut at " << n;
  }
}

TEST_F(PngIo, FlippedBytesAreCaughtOrHarmless) {
  const Surface original = Pattern(20, 10);
  ASSERT_TRUE(WritePng(path("whole.png"), original, {{"Kind", "art"}}));
  const std::vector<char> bytes = ReadBytes(path("whole.png"));
  for (std::size_t i = 8; i < bytes.size(); ++i) {
    std::vector<char> damaged = bytes;
    damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
    WriteBytes(path("bad.png"), damaged, damaged.size());
    Surface s;
    std::string error;
    // A damaged ancillary chunk (the text) may be dropped; the picture itself never changes.
    if (ReadPng(path("bad.png"), s, nullptr, &error)) {
      EXPECT_EQ(s.px, original.px) << "byte " << i;
    } else {
      EXPECT_FALSE(error.empty()) << "byte " << i;
    }
  }
  // The header is checked: a damaged width cannot pass.
  std::vector<char> damaged = bytes;
  damaged[16 + 3] = static_cast<char>(damaged[16 + 3] ^ 0x01);
  WriteBytes(path("bad.png"), damaged, damaged.size());
  Surface s;
  EXPECT_FALSE(ReadPng(path("bad.png"), s));
}

TEST_F(PngIo, WritingWhereItCannotIsAnError) {
  std::string error;
  EXPECT_FALSE(WritePng(path("no/such/folder/a.png"), Pattern(4, 4), {}, &error));
  EXPECT_NE(error.find("a.png"), std::string::npos) << error;
  EXPECT_FALSE(WritePng(path("empty.png"), Surface(), {}, &error));
  EXPECT_FALSE(fs::exists(path("empty.png")));
}

}  // namespace
}  // namespace qel
