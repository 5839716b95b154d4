#include "art/rgba_png.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace qel::art {

bool ReadRgbaPng(const std::string &path, Canvas &out, std::string *error) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    *error = path + ": " + image.message;
    return false;
  }
  image.format = PNG_FORMAT_ARGB;
  std::vector<png_byte> buf(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, buf.data(), 0, nullptr)) {
    *error = path + ": " + image.message;
    png_image_free(&image);
    return false;
  }
  out = Canvas(static_cast<int>(image.width), static_cast<int>(image.height));
  for (std::size_t i = 0; i < out.px.size(); ++i) {
    const png_byte *p = &buf[4 * i];
    out.px[i] = (static_cast<Argb>(p[0]) << 24) | (static_cast<Argb>(p[1]) << 16) |
                (static_cast<Argb>(p[2]) << 8) | p[3];
  }
  return true;
}

bool WriteRgbaPng(const std::string &path, const Canvas &c, std::string *error) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(c.w);
  image.height = static_cast<png_uint_32>(c.h);
  image.format = PNG_FORMAT_RGBA;
  std::vector<png_byte> buf(c.px.size() * 4);
  for (std::size_t i = 0; i < c.px.size(); ++i) {
    const Argb p = c.px[i];
    buf[4 * i] = static_cast<png_byte>(p >> 16);
    buf[4 * i + 1] = static_cast<png_byte>(p >> 8);
    buf[4 * i + 2] = static_cast<png_byte>(p);
    buf[4 * i + 3] = static_cast<png_byte>(p >> 24);
  }
  if (!png_image_write_to_file(&image, path.c_str(), 0, buf.data(), 0, nullptr)) {
    *error = path + ": " + image.message;
    return false;
  }
  return true;
}

}  // namespace qel::art
