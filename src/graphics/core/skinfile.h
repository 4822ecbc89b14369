// Skin files: uncompressed 24-bit BMP images holding the seven texture tiles
// of the board (frame, dark, light, dark and light highlighted, name plate
// with the piece swatches, unused).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct Skin {
  int width = 0;
  int height = 0;
  // RGB, rows tightly packed; row 0 is texture row t = 0 (the bottom row of
  // the image, which a BMP stores first).
  std::vector<uint8_t> rgb;
  bool empty() const { return rgb.empty(); }
};

constexpr int MAX_SKIN_SIDE = 8192;

// Decodes a BMP held in memory. Everything the header claims is checked
// (signature, header size, 24 bits, no compression, size 1..8192 each way,
// pixel-data offset and rows padded to 4 bytes within the file). On failure
// returns false with a one-line reason in error and leaves out untouched.
bool decodeBmp(std::span<const uint8_t> bytes, Skin& out, std::string& error);

// Reads and decodes a skin file. A path written with backslashes (as in
// "skins\default.usk") is retried with forward slashes when it cannot be opened.
bool readSkin(const std::string& path, Skin& out, std::string& error);

// Encodes a skin as a bottom-up 24-bit BMP with padded rows.
std::vector<uint8_t> encodeBmp(const Skin& s);

// A plain skin in the standard layout, used until a skin file loads.
Skin defaultSkin();
