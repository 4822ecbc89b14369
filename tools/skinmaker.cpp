// Generates the board skins shipped in data/skins: seven 128 x 128 tiles
// side by side (frame, dark square, light square, both highlighted, name
// plate with piece swatches, unused) written as 24-bit BMP files.
//
//   skinmaker <folder>    writes <folder>/default.usk (wood) and marble.usk
//
// The output depends on nothing but this file, so regenerating gives the
// same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "graphics/core/skinfile.h"

namespace {

constexpr int T = 128;  // tile side in texels
constexpr int W = 7 * T;
constexpr int H = T;

struct Rgb {
  float r, g, b;
};
Rgb mix(Rgb a, Rgb b, float k) { return {a.r + (b.r - a.r) * k, a.g + (b.g - a.g) * k, a.b + (b.b - a.b) * k}; }
Rgb scale(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
Rgb hex(uint32_t c) { return {float(c >> 16 & 255), float(c >> 8 & 255), float(c & 255)}; }

// An image in display orientation: (x, y) with y = 0 the top row.
struct Image {
  Rgb px[H][W];
  void set(int x, int y, Rgb c) {
    if (x >= 0 && x < W && y >= 0 && y < H) px[y][x] = c;
  }
  Rgb get(int x, int y) const { return px[std::clamp(y, 0, H - 1)][std::clamp(x, 0, W - 1)]; }
};

// ---- value noise ----------------------------------------------------------
// Every pattern repeats exactly once per tile in both directions, so the
// frame, which shows one tile per border square, has no visible seams.

uint32_t hash(int x, int y, uint32_t seed) {
  uint32_t h = seed ^ (static_cast<uint32_t>(x) * 0x8da6b343u) ^ (static_cast<uint32_t>(y) * 0xd8163841u);
  h ^= h >> 13;
  h *= 0x85ebca6bu;
  h ^= h >> 16;
  return h;
}
int wrap(int a, int p) { return ((a % p) + p) % p; }
float lattice(int x, int y, int px, int py, uint32_t seed) {
  return (hash(wrap(x, px), wrap(y, py), seed) & 0xffff) / 65535.0f;
}
float smooth(float t) { return t * t * (3 - 2 * t); }
// Value noise of period px by py lattice cells.
float noise(float x, float y, int px, int py, uint32_t seed) {
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const float fx = smooth(x - x0), fy = smooth(y - y0);
  const float a = lattice(x0, y0, px, py, seed), b = lattice(x0 + 1, y0, px, py, seed);
  const float c = lattice(x0, y0 + 1, px, py, seed), d = lattice(x0 + 1, y0 + 1, px, py, seed);
  const float top = a + (b - a) * fx, bottom = c + (d - c) * fx;
  return top + (bottom - top) * fy;
}
// Fractal noise over the tile (u, v in 0..1) with fu x fv cells at the
// coarsest octave.
float fbm(float u, float v, int fu, int fv, uint32_t seed, int octaves = 5) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * noise(u * fu, v * fv, fu, fv, seed + 101u * o);
    norm += amp;
    fu *= 2;
    fv *= 2;
    amp *= 0.5f;
  }
  return sum / norm;
}

constexpr float TAU = 6.2831853f;

// ---- materials ------------------------------------------------------------

struct Wood {
  Rgb early, late;  // light and dark growth rings
  int rings;        // rings across a tile
  uint32_t seed;
  bool across;  // grain along y instead of x
};
Rgb wood(const Wood& w, int x, int y) {
  float u = x / float(T), v = y / float(T);
  if (w.across) std::swap(u, v);
  const float warp = fbm(u, v, 2, 3, w.seed) * 2.2f;
  const float ring = 0.5f + 0.5f * std::sin((v * w.rings + warp) * TAU);
  const float fibre = fbm(u, v, 32, 3, w.seed + 7) - 0.5f;
  Rgb c = mix(w.early, w.late, std::pow(ring, 2.2f));
  return scale(c, 1.0f + 0.18f * fibre);
}

struct Marble {
  Rgb base, vein;
  int a, b;  // vein bands across the tile along u and v
  uint32_t seed;
};
Rgb marble(const Marble& m, int x, int y) {
  const float u = x / float(T), v = y / float(T);
  const float turbulence = fbm(u, v, 3, 3, m.seed, 6) * 3.5f;
  const float s = std::fabs(std::sin((u * m.a + v * m.b) * TAU / 2 + turbulence * 3.1415926f));
  const float vein = std::pow(1.0f - s, 7.0f);
  const float cloud = fbm(u, v, 5, 5, m.seed + 3, 4) - 0.5f;
  return mix(scale(m.base, 1.0f + 0.12f * cloud), m.vein, std::min(1.0f, vein * 1.2f));
}

// ---- tiles ----------------------------------------------------------------

// A square tile with a thin bevel so that neighbouring squares read apart.
template <class F>
void squareTile(Image& im, int tile, F&& material, float bevel) {
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) {
      Rgb c = material(x, y);
      const int e = std::min({x, y, T - 1 - x, T - 1 - y});
      if (e < 2) c = scale(c, (x < 2 || y < 2) ? 1.0f + bevel : 1.0f - bevel);
      im.set(tile * T + x, y, c);
    }
}

// The highlighted version of a square: the same surface glowing, with a
// bright rim that shows on both square colours.
void highlight(Image& im, int from, int to, Rgb glow, Rgb rim) {
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) {
      Rgb c = mix(im.get(from * T + x, y), glow, 0.45f);
      const int e = std::min({x, y, T - 1 - x, T - 1 - y});
      if (e < 7) c = mix(c, rim, e < 5 ? 0.9f : 0.5f);
      im.set(to * T + x, y, c);
    }
}

// 5 x 7 glyphs of the plate lettering.
const char* glyph(char c) {
  switch (c) {
    case 'Z': return "#####....#...#...#...#...#....#####";
    case 'e': return "...........###.#...#######.....###.";
    case 'f': return "..##..#..#.#...###...#....#....#...";
    case 'i': return "..#........##....#....#....#...###.";
    case 'r': return "..........#.##.##..##....#....#....";
    case 'a': return "...........###.....#.#####...#.####";
    case 'n': return "..........#.##.##..##...##...##...#";
    case '_': return "..............................#####";
    case '3': return "#####...#...#.....#.....##...#.###.";
    case 'D': return "####.#...##...##...##...##...#####.";
    default: return "";
  }
}

void lettering(Image& im, const char* text, int x0, int y0, int scaleBy, int advance, Rgb ink, Rgb shine) {
  int x = x0;
  for (const char* p = text; *p; ++p, x += advance) {
    std::string g = glyph(*p);
    g.resize(35, '.');
    for (int pass = 0; pass < 2; ++pass)
      for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 5; ++c) {
          if (g[r * 5 + c] != '#') continue;
          for (int dy = 0; dy < scaleBy; ++dy)
            for (int dx = 0; dx < scaleBy; ++dx) {
              const int px = x + c * scaleBy + dx, py = y0 + r * scaleBy + dy;
              if (pass == 0)
                im.set(px + 1, py + 1, shine);  // engraving catches the light below
              else
                im.set(px, py, ink);
            }
        }
  }
}

struct Swatches {
  Rgb flat[4];  // white, white last move, black, black last move
  Rgb solid[4];
};

// Tile 6: the name plate in the lower half, the piece swatches above it.
// Texture t runs upward, so the lower half of the tile is the bottom of the
// image; the swatches sit around t = 0.6 (flat) and t = 0.8 (solid) at
// s = 0.15, 0.40, 0.65, 0.90 of the tile.
void plateTile(Image& im, Rgb metal, Rgb edge, Rgb ink, Rgb shine, const Swatches& sw, Rgb backing) {
  const int x0 = 5 * T;
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) {
      const float t = 1.0f - (y + 0.5f) / T;
      const float s = (x + 0.5f) / T;
      Rgb c = backing;
      if (t >= 0.5f) {
        const int band = std::clamp(static_cast<int>((s - 0.025f) / 0.25f), 0, 3);
        c = t < 0.7f ? sw.flat[band] : sw.solid[band];
      } else {
        // Brushed metal with a bevelled border.
        const float brush = fbm(x / float(T), y / float(T), 2, 64, 77u, 3) - 0.5f;
        c = scale(metal, 1.0f + 0.15f * brush + 0.12f * (0.5f - t * 2.0f));
        const int e = std::min({x, T - 1 - x, y - T / 2, T - 1 - y});
        if (e < 4)
          c = mix(c, edge, 0.75f);
        else if (e < 6)
          c = scale(c, 1.2f);
      }
      im.set(x0 + x, y, c);
    }
  // Ten glyphs of 10 x 14 texels, 11 apart, centred in the plate.
  lettering(im, "Zefiran_3D", x0 + (T - 109) / 2, T / 2 + (T / 2 - 14) / 2 + 1, 2, 11, ink, shine);
}

void unusedTile(Image& im, Rgb c) {
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) im.set(6 * T + x, y, c);
}

Skin toSkin(const Image& im) {
  Skin s;
  s.width = W;
  s.height = H;
  s.rgb.resize(static_cast<size_t>(W) * H * 3);
  for (int y = 0; y < H; ++y) {
    uint8_t* row = s.rgb.data() + static_cast<size_t>(H - 1 - y) * W * 3;  // row 0 = bottom
    for (int x = 0; x < W; ++x) {
      const Rgb c = im.px[y][x];
      row[3 * x] = static_cast<uint8_t>(std::clamp(std::lround(c.r), 0L, 255L));
      row[3 * x + 1] = static_cast<uint8_t>(std::clamp(std::lround(c.g), 0L, 255L));
      row[3 * x + 2] = static_cast<uint8_t>(std::clamp(std::lround(c.b), 0L, 255L));
    }
  }
  return s;
}

bool write(const std::string& path, const Image& im) {
  const std::vector<uint8_t> bytes = encodeBmp(toSkin(im));
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!f) {
    std::fprintf(stderr, "skinmaker: cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("%s: %d x %d, %zu bytes\n", path.c_str(), W, H, bytes.size());
  return true;
}

void woodSkin(Image& im) {
  const Wood frame{hex(0x5b3419), hex(0x2e180b), 7, 11u, false};
  const Wood dark{hex(0x9a6136), hex(0x6b3c1e), 5, 23u, true};
  const Wood light{hex(0xe8c68e), hex(0xc79d62), 4, 37u, true};
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) im.set(x, y, wood(frame, x, y));
  squareTile(
      im, 1, [&](int x, int y) { return wood(dark, x, y); }, 0.10f);
  squareTile(
      im, 2, [&](int x, int y) { return wood(light, x, y); }, 0.06f);
  highlight(im, 1, 3, hex(0x4f8f2f), hex(0xb8f060));
  highlight(im, 2, 4, hex(0x9fd86a), hex(0x5fb02a));
  const Swatches sw{{hex(0xfaf6ec), hex(0xffd34a), hex(0x1e1a18), hex(0xa8281c)},
                    {hex(0xeadcc0), hex(0xf6c24a), hex(0x3a2c24), hex(0x9a2a1c)}};
  plateTile(im, hex(0xc9a24a), hex(0x7a5a1c), hex(0x3a260a), hex(0xf2dc96), sw, hex(0x808080));
  unusedTile(im, hex(0x808080));
}

void marbleSkin(Image& im) {
  const Marble frame{hex(0x3c403f), hex(0xa8aca6), 2, 3, 5u};
  const Marble dark{hex(0x2f5a48), hex(0xb9d2c2), 3, 2, 17u};
  const Marble light{hex(0xd9d0bf), hex(0x8a8478), 2, 1, 29u};
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) im.set(x, y, marble(frame, x, y));
  squareTile(
      im, 1, [&](int x, int y) { return marble(dark, x, y); }, 0.08f);
  squareTile(
      im, 2, [&](int x, int y) { return marble(light, x, y); }, 0.05f);
  highlight(im, 1, 3, hex(0x3070c0), hex(0x80c8ff));
  highlight(im, 2, 4, hex(0x8cc0f0), hex(0x2a70c8));
  const Swatches sw{{hex(0xffffff), hex(0x8fd0ff), hex(0x202428), hex(0x1f5fa8)},
                    {hex(0xf0f0ea), hex(0x9ad2ff), hex(0x30363c), hex(0x2a68b0)}};
  plateTile(im, hex(0xb8bcc0), hex(0x5a5e64), hex(0x1c2026), hex(0xe8ecf0), sw, hex(0x808080));
  unusedTile(im, hex(0x808080));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skinmaker <folder>\n");
    return 2;
  }
  const std::string dir = argv[1];
  static Image im;  // large: keep it off the stack
  woodSkin(im);
  bool ok = write(dir + "/default.usk", im);
  marbleSkin(im);
  ok = write(dir + "/marble.usk", im) && ok;
  return ok ? 0 : 1;
}
