// PNG reading and writing on libpng. libpng reports errors by longjmp, so every function that
// arms setjmp keeps only trivially destructible locals; C++ objects live in the caller's frame.
#include "platform/png_io.h"

#include <png.h>

#include <cctype>
#include <cerrno>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace qel {

namespace {

// Larger images are refused before any allocation: a damaged header must not ask for gigabytes.
constexpr png_uint_32 kMaxSide = 4096;
constexpr long kMaxFileBytes = 64L << 20;

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

// The whole file, handed to libpng from memory.
struct Source {
  std::vector<png_byte> bytes;
  std::size_t pos = 0;
};

void ReadFromSource(png_structp png, png_bytep out, png_size_t n) {
  auto *src = static_cast<Source *>(png_get_io_ptr(png));
  if (n > src->bytes.size() - src->pos) png_error(png, "unexpected end of file");
  std::memcpy(out, src->bytes.data() + src->pos, n);
  src->pos += n;
}

std::uint32_t BigEndian32(const png_byte *p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// libpng allocates (and clears) a chunk's buffer before it reads the chunk, so a damaged length
// would cost gigabytes before the error shows. Every length is checked against the file first.
bool ChunksFitTheFile(const std::vector<png_byte> &bytes, std::string *why) {
  std::size_t pos = 8;
  while (pos + 8 <= bytes.size()) {
    const std::uint32_t length = BigEndian32(&bytes[pos]);
    std::string type(reinterpret_cast<const char *>(&bytes[pos + 4]), 4);
    for (char &c : type) c = std::isalpha(static_cast<unsigned char>(c)) ? c : '?';
    if (length > bytes.size() - pos - 8 || bytes.size() - pos - 8 - length < 4) {
      *why = "damaged PNG: chunk " + type + " runs past the end of the file";
      return false;
    }
    pos += 12 + std::size_t{length};
    if (type == "IEND") break;
  }
  return true;
}

bool Decode(png_structp png, png_infop info, Source *src, Decoded *d, PngFailure *failure) {
  if (setjmp(failure->jump)) return false;
  png_set_read_fn(png, src, ReadFromSource);
  png_set_user_limits(png, kMaxSide, kMaxSide);
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
  out.Touch();
}

bool ReadFile(const std::string &path, std::vector<png_byte> *bytes, std::string *why) {
  File file;
  file.f = std::fopen(path.c_str(), "rb");
  if (!file.f) {
    *why = std::strerror(errno);
    return false;
  }
  long size = -1;
  if (std::fseek(file.f, 0, SEEK_END) == 0) size = std::ftell(file.f);
  if (size < 0 || size > kMaxFileBytes || std::fseek(file.f, 0, SEEK_SET) != 0) {
    *why = size > kMaxFileBytes ? "file too large" : "cannot read";
    return false;
  }
  bytes->resize(static_cast<std::size_t>(size));
  if (std::fread(bytes->data(), 1, bytes->size(), file.f) != bytes->size()) {
    *why = "cannot read";
    return false;
  }
  if (bytes->size() < 8 || png_sig_cmp(bytes->data(), 0, 8) != 0) {
    *why = "not a PNG file";
    return false;
  }
  return ChunksFitTheFile(*bytes, why);
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
  png_set_IHDR(png, info, static_cast<png_uint_32>(s.w), static_cast<png_uint_32>(s.h), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!e->text.empty()) png_set_text(png, info, e->text.data(), static_cast<int>(e->text.size()));
  png_write_info(png, info);
  png_write_image(png, e->rows.data());
  png_write_end(png, info);
  return true;
}

}  // namespace

bool ReadPng(const std::string &path, Surface &out, std::map<std::string, std::string> *text,
             std::string *error) {
  Source src;
  std::string why;
  if (!ReadFile(path, &src.bytes, &why)) {
    SetError(error, path, why);
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
  const bool ok = Decode(png, info, &src, &decoded, &failure);
  if (ok && text) CollectText(png, info, text);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) {
    SetError(error, path, std::string("damaged PNG: ") + failure.message);
    return false;
  }
  ToSurface(decoded, out);
  return true;
}

bool WritePng(const std::string &path, const Surface &s, const std::map<std::string, std::string> &text,
              std::string *error) {
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
