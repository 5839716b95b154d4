#include "art/keeper_kit.h"

#include <algorithm>
#include <cmath>

namespace qel::art::keeper {

namespace {

constexpr int kCurveSteps = 24;

bool Covered(const Canvas &c, int x, int y) { return c.covered(x, y); }

}  // namespace

Path &Path::to(double x, double y) {
  xy_.push_back(x);
  xy_.push_back(y);
  return *this;
}

Path &Path::curve(double c1x, double c1y, double c2x, double c2y, double x, double y) {
  double x0 = xy_[xy_.size() - 2], y0 = xy_[xy_.size() - 1];
  for (int i = 1; i <= kCurveSteps; ++i) {
    double t = static_cast<double>(i) / kCurveSteps, u = 1 - t;
    double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    to(a * x0 + b * c1x + c * c2x + d * x, a * y0 + b * c1y + c * c2y + d * y);
  }
  return *this;
}

Path &Path::bend(double cx, double cy, double x, double y) {
  double x0 = xy_[xy_.size() - 2], y0 = xy_[xy_.size() - 1];
  return curve(x0 + 2.0 / 3 * (cx - x0), y0 + 2.0 / 3 * (cy - y0), x + 2.0 / 3 * (cx - x),
               y + 2.0 / 3 * (cy - y), x, y);
}

std::vector<double> Frame::map(const std::vector<double> &xy) const {
  std::vector<double> out(xy.size());
  for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
    out[i] = x(xy[i]);
    out[i + 1] = y(xy[i + 1]);
  }
  return out;
}

void Part::clip(const Path &p, Argb colour) {
  Canvas shape(c.w, c.h);
  shape.fillPolygon(f.map(p.pts()), colour);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (shape.covered(x, y) && c.covered(x, y)) c.set(x, y, colour);
}

void Part::clipEllipse(double cx, double cy, double rx, double ry, Argb colour) {
  Canvas shape(c.w, c.h);
  shape.fillEllipse(f.x(cx), f.y(cy), f.len(rx), f.len(ry), colour);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (shape.covered(x, y) && c.covered(x, y)) c.set(x, y, colour);
}

void Part::clipLine(double x1, double y1, double x2, double y2, double thick, Argb colour) {
  Canvas shape(c.w, c.h);
  shape.line(f.x(x1), f.y(y1), f.x(x2), f.y(y2), f.thick(thick), colour);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (shape.covered(x, y) && c.covered(x, y)) c.set(x, y, colour);
}

void Part::clipStroke(double x0, double y0, double c1x, double c1y, double c2x, double c2y, double x1,
                      double y1, Argb colour, double thick) {
  Path p(x0, y0);
  p.curve(c1x, c1y, c2x, c2y, x1, y1);
  const auto &xy = p.pts();
  for (std::size_t i = 2; i + 1 < xy.size(); i += 2)
    clipLine(xy[i - 2], xy[i - 1], xy[i], xy[i + 1], thick, colour);
}

void Part::cut(const Path &p) {
  Canvas shape(c.w, c.h);
  shape.fillPolygon(f.map(p.pts()), Rgb(255, 255, 255));
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (shape.covered(x, y)) c.set(x, y, kClear);
}

void Part::dot(double x, double y, Argb colour) {
  c.set(static_cast<int>(std::floor(f.x(x))), static_cast<int>(std::floor(f.y(y))), colour);
}

void Part::rect(double x, double y, double w, double h, Argb colour) {
  c.fillRect(static_cast<int>(std::floor(f.x(x))), static_cast<int>(std::floor(f.y(y))),
             static_cast<int>(std::lround(f.len(w))), static_cast<int>(std::lround(f.len(h))), colour);
}

void Part::ellipse(double cx, double cy, double rx, double ry, Argb colour) {
  c.fillEllipse(f.x(cx), f.y(cy), f.len(rx), f.len(ry), colour);
}

void Part::line(double x1, double y1, double x2, double y2, double thick, Argb colour) {
  c.line(f.x(x1), f.y(y1), f.x(x2), f.y(y2), f.thick(thick), colour);
}

void Part::bevel(const Ramp &r, int lightDepth, int shadowDepth) {
  Canvas src = c;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (src.get(x, y) != r[3]) continue;
      bool shadow = false, light = false;
      for (int k = 1; k <= shadowDepth && !shadow; ++k)
        shadow = !Covered(src, x + k, y + k) || !Covered(src, x + k, y) || !Covered(src, x, y + k);
      for (int k = 1; k <= lightDepth && !light; ++k)
        light = !Covered(src, x - k, y - k) || !Covered(src, x - k, y) || !Covered(src, x, y - k);
      if (shadow) c.set(x, y, r[2]);
      else if (light) c.set(x, y, r[4]);
    }
}

void Part::gradient(const Ramp &r, double lx, double ly, double reach, int lo, int hi) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (c.get(x, y) != r[3]) continue;
      double t = std::min(1.0, std::hypot(x - f.x(lx), y - f.y(ly)) / f.len(reach));
      double level = hi - t * (hi - lo) + BayerRank(x, y) / 16.0 - 0.5;
      int i = std::clamp(static_cast<int>(std::lround(level)), lo, hi);
      c.set(x, y, r[static_cast<std::size_t>(i)]);
    }
}

void Figure::paste(const Part &p, int lab) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (p.c.covered(x, y)) {
        c.set(x, y, p.c.get(x, y));
        label[static_cast<std::size_t>(y) * c.w + x] = lab;
      }
}

void Figure::castShadow(int receiver, std::initializer_list<int> casters, int dx, int dy, int reach,
                        const Ramp &r) {
  std::vector<int> before = label;
  Canvas src = c;
  auto isCaster = [&](int x, int y) {
    if (!src.inside(x, y)) return false;
    int l = before[static_cast<std::size_t>(y) * c.w + x];
    return std::find(casters.begin(), casters.end(), l) != casters.end();
  };
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (before[static_cast<std::size_t>(y) * c.w + x] != receiver) continue;
      for (int k = 1; k <= reach; ++k)
        if (isCaster(x - dx * k, y - dy * k)) {
          c.set(x, y, Darker(r, src.get(x, y)));
          break;
        }
    }
}

Argb Darker(const Ramp &r, Argb c) {
  for (std::size_t i = 2; i < r.size(); ++i)
    if (r[i] == c) return r[i - 1];
  return c;
}

Argb Lighter(const Ramp &r, Argb c) {
  for (std::size_t i = 1; i + 1 < r.size(); ++i)
    if (r[i] == c) return r[i + 1];
  return c;
}

void Stamp(Canvas &c, const Glyph &g, int x, int y, const std::vector<Ink> &inks, bool mirror) {
  for (std::size_t row = 0; row < g.rows.size(); ++row) {
    const std::string &line = g.rows[row];
    int n = static_cast<int>(line.size());
    for (int i = 0; i < n; ++i) {
      char ch = line[static_cast<std::size_t>(i)];
      for (const Ink &ink : inks)
        if (ink.key == ch) c.set(x + (mirror ? n - 1 - i : i), y + static_cast<int>(row), ink.colour);
    }
  }
}

}  // namespace qel::art::keeper
