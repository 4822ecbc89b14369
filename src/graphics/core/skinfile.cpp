#include "graphics/core/skinfile.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

uint32_t le32(std::span<const uint8_t> d, size_t at) {
  return static_cast<uint32_t>(d[at]) | static_cast<uint32_t>(d[at + 1]) << 8 | static_cast<uint32_t>(d[at + 2]) << 16 |
         static_cast<uint32_t>(d[at + 3]) << 24;
}
uint16_t le16(std::span<const uint8_t> d, size_t at) { return static_cast<uint16_t>(d[at] | d[at + 1] << 8); }

void put32(std::vector<uint8_t>& d, uint32_t v) {
  for (int i = 0; i < 4; ++i) d.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void put16(std::vector<uint8_t>& d, uint16_t v) {
  d.push_back(static_cast<uint8_t>(v));
  d.push_back(static_cast<uint8_t>(v >> 8));
}

constexpr size_t FILEHEADER = 14;
constexpr size_t INFOHEADER = 40;

bool readFileBytes(const std::string& path, std::vector<uint8_t>& bytes) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return !f.bad();
}

}  // namespace

bool decodeBmp(std::span<const uint8_t> d, Skin& out, std::string& error) {
  if (d.size() < FILEHEADER + INFOHEADER) {
    error = "file too short for a BMP header (" + std::to_string(d.size()) + " bytes)";
    return false;
  }
  if (d[0] != 'B' || d[1] != 'M') {
    error = "not a BMP image (no \"BM\" signature)";
    return false;
  }
  const uint32_t dataOffset = le32(d, 10);
  const uint32_t headerSize = le32(d, 14);
  if (headerSize < INFOHEADER || headerSize > d.size() - FILEHEADER) {
    error = "unsupported BMP header (size " + std::to_string(headerSize) + ")";
    return false;
  }
  const int32_t w = static_cast<int32_t>(le32(d, 18));
  const int32_t storedHeight = static_cast<int32_t>(le32(d, 22));
  const uint16_t bitsPerPixel = le16(d, 28);
  const uint32_t compression = le32(d, 30);
  if (bitsPerPixel != 24) {
    error = "unsupported BMP depth: " + std::to_string(bitsPerPixel) + " bits per pixel (24 needed)";
    return false;
  }
  if (compression != 0) {
    error = "compressed BMP (method " + std::to_string(compression) + ") not supported";
    return false;
  }
  // A negative height marks rows stored from the top down.
  const bool topDown = storedHeight < 0;
  const int64_t h = topDown ? -static_cast<int64_t>(storedHeight) : storedHeight;
  if (w < 1 || w > MAX_SKIN_SIDE || h < 1 || h > MAX_SKIN_SIDE) {
    error = "BMP size " + std::to_string(w) + " x " + std::to_string(h) + " out of range (1.." +
            std::to_string(MAX_SKIN_SIDE) + ")";
    return false;
  }
  const size_t rowStride = (static_cast<size_t>(w) * 3 + 3) & ~static_cast<size_t>(3);
  const size_t pixelBytes = rowStride * static_cast<size_t>(h);
  if (dataOffset < FILEHEADER + headerSize || dataOffset > d.size()) {
    error = "BMP pixel data offset " + std::to_string(dataOffset) + " outside the image data";
    return false;
  }
  if (d.size() - dataOffset < pixelBytes) {
    error = "BMP truncated: " + std::to_string(pixelBytes) + " bytes of pixels expected, " +
            std::to_string(d.size() - dataOffset) + " present";
    return false;
  }
  Skin s;
  s.width = w;
  s.height = static_cast<int>(h);
  s.rgb.resize(static_cast<size_t>(w) * 3 * static_cast<size_t>(h));
  for (int64_t r = 0; r < h; ++r) {
    const int64_t row = topDown ? h - 1 - r : r;  // texture row 0 = bottom of the image
    const uint8_t* src = d.data() + dataOffset + rowStride * static_cast<size_t>(r);
    uint8_t* dst = s.rgb.data() + static_cast<size_t>(row) * w * 3;
    for (int32_t x = 0; x < w; ++x) {
      dst[3 * x] = src[3 * x + 2];
      dst[3 * x + 1] = src[3 * x + 1];
      dst[3 * x + 2] = src[3 * x];
    }
  }
  out = std::move(s);
  return true;
}

bool readSkin(const std::string& path, Skin& out, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!readFileBytes(path, bytes)) {
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    if (slashed == path || !readFileBytes(slashed, bytes)) {
      error = "cannot open the file";
      return false;
    }
  }
  return decodeBmp(bytes, out, error);
}

std::vector<uint8_t> encodeBmp(const Skin& s) {
  const size_t rowStride = (static_cast<size_t>(s.width) * 3 + 3) & ~static_cast<size_t>(3);
  const size_t pixelData = rowStride * static_cast<size_t>(s.height);
  std::vector<uint8_t> d;
  d.reserve(FILEHEADER + INFOHEADER + pixelData);
  d.push_back('B');
  d.push_back('M');
  put32(d, static_cast<uint32_t>(FILEHEADER + INFOHEADER + pixelData));
  put32(d, 0);
  put32(d, FILEHEADER + INFOHEADER);
  put32(d, INFOHEADER);
  put32(d, static_cast<uint32_t>(s.width));
  put32(d, static_cast<uint32_t>(s.height));
  put16(d, 1);
  put16(d, 24);
  put32(d, 0);
  put32(d, static_cast<uint32_t>(pixelData));
  put32(d, 2835);  // 72 dpi
  put32(d, 2835);
  put32(d, 0);
  put32(d, 0);
  for (int r = 0; r < s.height; ++r) {
    const uint8_t* src = s.rgb.data() + static_cast<size_t>(r) * s.width * 3;
    for (int x = 0; x < s.width; ++x) {
      d.push_back(src[3 * x + 2]);
      d.push_back(src[3 * x + 1]);
      d.push_back(src[3 * x]);
    }
    for (size_t p = static_cast<size_t>(s.width) * 3; p < rowStride; ++p) d.push_back(0);
  }
  return d;
}

Skin defaultSkin() {
  // 7 tiles of 16 x 16 texels: plain colours, the swatches in the upper
  // half of tile 6 and a plain plate below them.
  constexpr int T = 16;
  Skin s;
  s.width = 7 * T;
  s.height = T;
  s.rgb.assign(static_cast<size_t>(s.width) * s.height * 3, 0);
  const auto paint = [&](int x, int y, uint32_t c) {
    uint8_t* p = s.rgb.data() + (static_cast<size_t>(y) * s.width + x) * 3;
    p[0] = static_cast<uint8_t>(c >> 16);
    p[1] = static_cast<uint8_t>(c >> 8);
    p[2] = static_cast<uint8_t>(c);
  };
  const uint32_t tiles[7] = {0x5a3a22, 0x8b5a2b, 0xe8c890, 0x6f8a2e, 0xc8e070, 0xb08d57, 0x000000};
  // Upper half of tile 6, by quarter: white, white last move, black, black
  // last move; rows 8-11 are the flat view, 12-15 the 3D view.
  const uint32_t swatches[2][4] = {{0xf4f0e6, 0xf0c860, 0x262626, 0x8c2a1e},   // flat
                                   {0xe6dcc3, 0xf0c060, 0x4a4038, 0x902818}};  // 3D
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < 7 * T; ++x) {
      const int tile = x / T;
      uint32_t c = tiles[tile];
      if (tile == 5 && y >= T / 2) c = swatches[y < 3 * T / 4 ? 0 : 1][(x % T) / 4];
      paint(x, y, c);
    }
  return s;
}
