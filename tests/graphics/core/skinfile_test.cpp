#include "graphics/core/skinfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "support/engine_fixture.h"

namespace {

// A 5 x 3 image: odd width, so every row carries one padding byte.
Skin campione() {
  Skin s;
  s.width = 5;
  s.height = 3;
  for (int r = 0; r < 3; ++r)
    for (int x = 0; x < 5; ++x) {
      s.rgb.push_back(static_cast<uint8_t>(10 * r + x));
      s.rgb.push_back(static_cast<uint8_t>(100 + r));
      s.rgb.push_back(static_cast<uint8_t>(200 + x));
    }
  return s;
}

void put32(std::vector<uint8_t>& d, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) d.at(at + i) = static_cast<uint8_t>(v >> (8 * i));
}

bool decode(const std::vector<uint8_t>& d, Skin& s, std::string& e) { return decodeBmp(d, s, e); }

TEST(SkinFile, RoundTripWithPaddedRows) {
  const Skin s = campione();
  const std::vector<uint8_t> bmp = encodeBmp(s);
  ASSERT_EQ(bmp.size(), 54u + 3 * 16);  // 15 bytes of pixels padded to 16 per row
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  // Stored blue, green, red.
  EXPECT_EQ(bmp[54], 200);
  EXPECT_EQ(bmp[55], 100);
  EXPECT_EQ(bmp[56], 0);
  Skin t;
  std::string e;
  ASSERT_TRUE(decode(bmp, t, e)) << e;
  EXPECT_EQ(t.width, 5);
  EXPECT_EQ(t.height, 3);
  EXPECT_EQ(t.rgb, s.rgb);
}

TEST(SkinFile, FirstStoredRowIsTextureRowZero) {
  std::vector<uint8_t> bmp = encodeBmp(campione());
  // Paint the first stored row's first pixel pure red (stored B, G, R).
  bmp[54] = 0, bmp[55] = 0, bmp[56] = 255;
  Skin t;
  std::string e;
  ASSERT_TRUE(decode(bmp, t, e));
  EXPECT_EQ(t.rgb[0], 255);
  EXPECT_EQ(t.rgb[1], 0);
  EXPECT_EQ(t.rgb[2], 0);
  // A top-down file (negative height) holds the same picture.
  std::vector<uint8_t> giu = encodeBmp(campione());
  put32(giu, 22, static_cast<uint32_t>(-3));
  for (int r = 0; r < 3; ++r)  // reverse the stored rows
    for (int b = 0; b < 16; ++b) giu[54 + 16 * r + b] = encodeBmp(campione())[54 + 16 * (2 - r) + b];
  ASSERT_TRUE(decode(giu, t, e)) << e;
  EXPECT_EQ(t.rgb, campione().rgb);
}

TEST(SkinFile, PixelDataOffsetIsHonoured) {
  std::vector<uint8_t> bmp = encodeBmp(campione());
  bmp.insert(bmp.begin() + 54, 10, 0xee);  // a gap before the pixels
  put32(bmp, 10, 64);
  Skin t;
  std::string e;
  ASSERT_TRUE(decode(bmp, t, e)) << e;
  EXPECT_EQ(t.rgb, campione().rgb);
}

struct Caso {
  const char* nome;
  std::vector<uint8_t> dati;
  const char* parola;  // expected in the message
};

std::vector<Caso> guasti() {
  const std::vector<uint8_t> buono = encodeBmp(campione());
  std::vector<Caso> c;
  c.push_back({"empty", {}, "short"});
  {
    auto d = buono;
    d.resize(80);  // header intact, pixel rows cut
    c.push_back({"truncated", d, "truncated"});
  }
  {
    auto d = buono;
    d.pop_back();  // one byte of the last row's padding missing
    c.push_back({"one byte short", d, "truncated"});
  }
  {
    auto d = buono;
    d[28] = 32;  // 32 bits per pixel
    c.push_back({"32-bit", d, "32 bits"});
  }
  {
    auto d = buono;
    put32(d, 30, 1);  // run-length compressed
    c.push_back({"compressed", d, "compressed"});
  }
  {
    const uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    auto d = buono;
    std::copy(std::begin(png), std::end(png), d.begin());
    c.push_back({"png renamed", d, "BM"});
  }
  {
    auto d = buono;
    put32(d, 18, 100000);
    c.push_back({"huge width", d, "out of range"});
  }
  {
    auto d = buono;
    put32(d, 18, 0x40000000);  // width * 3 would overflow 32 bits
    c.push_back({"overflowing width", d, "out of range"});
  }
  {
    auto d = buono;
    put32(d, 22, 0);
    c.push_back({"zero height", d, "out of range"});
  }
  {
    auto d = buono;
    put32(d, 10, 5000);
    c.push_back({"offset beyond the file", d, "offset"});
  }
  {
    auto d = buono;
    put32(d, 10, 20);  // inside the header
    c.push_back({"offset inside the header", d, "offset"});
  }
  {
    auto d = buono;
    put32(d, 10, 56);  // plausible, but the last row no longer fits
    c.push_back({"offset leaves rows short", d, "truncated"});
  }
  {
    auto d = buono;
    put32(d, 14, 12);  // OS/2 core header
    c.push_back({"old header", d, "header"});
  }
  return c;
}

TEST(SkinFile, RejectsWhatTheHeaderGetsWrong) {
  for (const Caso& c : guasti()) {
    Skin t = campione();
    std::string e;
    EXPECT_FALSE(decode(c.dati, t, e)) << c.nome;
    EXPECT_NE(e.find(c.parola), std::string::npos) << c.nome << ": " << e;
    EXPECT_EQ(e.find('\n'), std::string::npos) << c.nome;
    EXPECT_EQ(t.rgb, campione().rgb) << c.nome << " must leave the target alone";
  }
}

TEST(SkinFile, ReadsFilesAndBackslashPaths) {
  const std::string nome = zeftest::tempPath("skin_test.usk");
  const std::vector<uint8_t> bmp = encodeBmp(campione());
  {
    std::ofstream f(nome, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  }
  Skin t;
  std::string e;
  ASSERT_TRUE(readSkin(nome, t, e)) << e;
  EXPECT_EQ(t.rgb, campione().rgb);
  std::string rovescio = nome;
  std::replace(rovescio.begin(), rovescio.end(), '/', '\\');
  ASSERT_TRUE(readSkin(rovescio, t, e)) << e;
  EXPECT_FALSE(readSkin(zeftest::tempPath("no_such_skin.usk"), t, e));
  EXPECT_EQ(e, "cannot open the file");
  std::remove(nome.c_str());
}

TEST(SkinFile, BuiltInSkinHasTheStandardLayout) {
  const Skin s = defaultSkin();
  ASSERT_EQ(s.width % 7, 0);
  ASSERT_EQ(s.rgb.size(), static_cast<size_t>(s.width) * s.height * 3);
  const auto texel = [&](float sc, float t) {
    const int x = static_cast<int>(sc * s.width), y = static_cast<int>(t * s.height);
    const uint8_t* p = &s.rgb[(static_cast<size_t>(y) * s.width + x) * 3];
    return p[0] + p[1] + p[2];
  };
  // Swatches: white brighter than black, in both views.
  for (float t : {0.6f, 0.8f}) {
    EXPECT_GT(texel(0.735714f, t), texel(0.807143f, t) + 300);
    EXPECT_NE(texel(0.735714f, t), texel(0.771429f, t));
    EXPECT_NE(texel(0.807143f, t), texel(0.842857f, t));
  }
  // Light squares lighter than dark ones.
  EXPECT_GT(texel(2.5f / 7, 0.5f), texel(1.5f / 7, 0.5f));
}

}  // namespace
