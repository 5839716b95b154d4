// PNG reading and writing on libpng. libpng reports errors by longjmp, so every function that
// arms setjmp keeps only trivially destructible locals; C++ objects live in the caller's frame.
#include "platform/png_io.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

namespace qel {

namespace {

// Larger images and ancillary chunks are refused before any allocation: a damaged header or
// chunk length must not ask for gigabytes.
constexpr png_uint_32 kMaxSide = 4096;
constexpr png_alloc_size_t kMaxChunk = 1 << 20;

struct PngFailure {
  std::jmp_buf jump;
  char message[256];
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp message) {
  auto *failure = static_cast<PngFailure *>(png_get_error_ptr(png));
  std::snprintf(failure->message, sizeof failure->message, "%s", message);
  std::longjmp(failure->jump, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Closes the file on every path out.
struct File {
  std::FILE *f = nullptr;
  ~File() {
    if (f) std::fclose(f);
  }
};

void SetError(std::string *error, const std::string &path, const std::string &what) {
  if (error) *error = path + ": " + what;
}

// ---- reading ----

struct Decoded {
  png_uint_32 w = 0, h = 0;
  std::vector<png_byte> bytes;  // RGB, 3 bytes per pixel
  std::vector<png_bytep> rows;
};

void RequestRgb8(png_structp png, png_infop info) {
  png_set_expand(png);  // palette, low-bit grey and tRNS to 8-bit channels
  png_set_strip_16(png);
  png_set_strip_alpha(png);
  const png_byte colourType = png_get_color_type(png, info);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_gray_to_rgb(png);
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

bool Decode(png_structp png, png_infop info, std::FILE *f, Decoded *d, PngFailure *failure) {
  if (setjmp(failure->jump)) return false;
  png_init_io(png, f);
  png_set_user_limits(png, kMaxSide, kMaxSide);
  png_set_chunk_malloc_max(png, kMaxChunk);
  png_read_info(png, info);
  RequestRgb8(png, info);
  if (png_get_channels(png, info) != 3 || png_get_bit_depth(png, info) != 8) {
    png_error(png, "unsupported pixel format");
  }
  d->w = png_get_image_width(png, info);
  d->h = png_get_image_height(png, info);
  d->bytes.resize(static_cast<std::size_t>(d->w) * d->h * 3);
  d->rows.resize(d->h);
  for (png_uint_32 y = 0; y < d->h; ++y) d->rows[y] = d->bytes.data() + std::size_t{y} * d->w * 3;
  png_read_image(png, d->rows.data());
  png_read_end(png, info);
  return true;
}

void CollectText(png_structp png, png_infop info, std::map<std::string, std::string> *text) {
  text->clear();
  png_textp entries = nullptr;
  int count = 0;
  png_get_text(png, info, &entries, &count);
  for (int i = 0; i < count; ++i) {
    (*text)[entries[i].key] = std::string(entries[i].text, entries[i].text_length);
  }
}

void ToSurface(const Decoded &d, Surface &out) {
  out = Surface(static_cast<int>(d.w), static_cast<int>(d.h));
  const png_byte *p = d.bytes.data();
  for (Pixel &px : out.px) {
    px = (Pixel{p[0]} << 16) | (Pixel{p[1]} << 8) | Pixel{p[2]};
    p += 3;
  }
}

bool HasPngSignature(std::FILE *f) {
  png_byte sig[8];
  if (std::fread(sig, 1, sizeof sig, f) != sizeof sig) return false;
  if (png_sig_cmp(sig, 0, sizeof sig) != 0) return false;
  std::rewind(f);
  return true;
}

// ---- writing ----

struct Encoded {
  std::vector<png_byte> bytes;
  std::vector<png_bytep> rows;
  std::vector<png_text> text;
};

void Prepare(const Surface &s, const std::map<std::string, std::string> &text, Encoded *e) {
  e->bytes.resize(s.px.size() * 3);
  png_byte *p = e->bytes.data();
  for (Pixel px : s.px) {
    *p++ = static_cast<png_byte>(px >> 16);
    *p++ = static_cast<png_byte>(px >> 8);
    *p++ = static_cast<png_byte>(px);
  }
  e->rows.resize(static_cast<std::size_t>(s.h));
  for (int y = 0; y < s.h; ++y) e->rows[y] = e->bytes.data() + static_cast<std::size_t>(y) * s.w * 3;
  for (const auto &[key, value] : text) {
    png_text t{};
    t.compression = PNG_TEXT_COMPRESSION_NONE;
    t.key = const_cast<png_charp>(key.c_str());  // libpng copies, never writes through these
    t.text = const_cast<png_charp>(value.c_str());
    t.text_length = value.size();
    e->text.push_back(t);
  }
}

bool Encode(png_structp png, png_infop info, std::FILE *f, const Surface &s, Encoded *e,
            PngFailure *failure) {
  if (setjmp(failure->jump)) return false;
  png_init_io(png, f);
  png_set_IHDR(png, info, static_cast<png_uint_32>(s.w), static_cast<png_uint_32>(s.h), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!e->text.empty()) png_set_text(png, info, e->text.data(), static_cast<int>(e->text.size()));
  png_write_info(png, info);
  png_write_image(png, e->rows.data());
  png_write_end(png, info);
  return true;
}

}  // namespace

bool ReadPng(const std::string &path, Surface &out, std::map<std::string, std::string> *text,
             std::string *error) {
  File file;
  file.f = std::fopen(path.c_str(), "rb");
  if (!file.f) {
    SetError(error, path, std::strerror(errno));
    return false;
  }
  if (!HasPngSignature(file.f)) {
    SetError(error, path, "not a PNG file");
    return false;
  }
  PngFailure failure{};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &failure, OnPngError, OnPngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    SetError(error, path, "out of memory");
    return false;
  }
  Decoded decoded;
  const bool ok = Decode(png, info, file.f, &decoded, &failure);
  if (ok && text) CollectText(png, info, text);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) {
    SetError(error, path, std::string("damaged PNG: ") + failure.message);
    return false;
  }
  ToSurface(decoded, out);
  return true;
}

bool WritePng(const std::string &path, const Surface &s,
              const std::map<std::string, std::string> &text, std::string *error) {
  if (s.w <= 0 || s.h <= 0 || s.px.size() != static_cast<std::size_t>(s.w) * s.h) {
    SetError(error, path, "cannot write an empty picture");
    return false;
  }
  Encoded encoded;
  Prepare(s, text, &encoded);
  File file;
  file.f = std::fopen(path.c_str(), "wb");
  if (!file.f) {
    SetError(error, path, std::strerror(errno));
    return false;
  }
  PngFailure failure{};
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, OnPngError, OnPngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = info && Encode(png, info, file.f, s, &encoded, &failure);
  png_destroy_write_struct(&png, &info);
  ok = std::fclose(file.f) == 0 && ok;
  file.f = nullptr;
  if (!ok) {
    SetError(error, path, failure.message[0] ? failure.message : "write failed");
    std::remove(path.c_str());
  }
  return ok;
}

}  // namespace qel
