// Writes the program's sounds as small WAV files (mono, 16-bit, 22050 Hz):
// a move, a capture, a check and the end of a game, made from tones and a
// little noise so that they need no recording.
//   soundmaker FOLDER
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 22050;
constexpr double PI = std::numbers::pi;

using Samples = std::vector<double>;

// A struck tone: frequency, when it starts and how fast it dies away.
void strike(Samples& s, double frequency, double at, double decay, double loudness) {
  const int first = static_cast<int>(at * RATE);
  for (size_t i = first; i < s.size(); ++i) {
    const double t = static_cast<double>(i - first) / RATE;
    s[i] += loudness * std::exp(-t / decay) * std::sin(2.0 * PI * frequency * t);
  }
}

// The wooden knock of a piece set down: a short burst of noise over a low tone.
void knock(Samples& s, double at, double pitch) {
  uint32_t seed = 12345;
  const int first = static_cast<int>(at * RATE);
  for (int i = 0; i < RATE / 250 && first + i < static_cast<int>(s.size()); ++i) {
    seed = seed * 1664525u + 1013904223u;
    const double noise = static_cast<double>(seed >> 8) / (1 << 24) * 2.0 - 1.0;
    s[first + i] += 0.35 * noise * (1.0 - static_cast<double>(i) / (RATE / 250));
  }
  strike(s, pitch, at, 0.025, 0.6);
  strike(s, pitch * 2.7, at, 0.01, 0.2);
}

bool write(const std::string& path, const Samples& s) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const uint32_t bytes = static_cast<uint32_t>(s.size() * 2);
  auto u32 = [f](uint32_t v) {
    for (int k = 0; k < 4; ++k) std::fputc(static_cast<int>((v >> (8 * k)) & 0xff), f);
  };
  auto u16 = [f](uint16_t v) {
    std::fputc(v & 0xff, f);
    std::fputc(v >> 8, f);
  };
  std::fputs("RIFF", f);
  u32(36 + bytes);
  std::fputs("WAVEfmt ", f);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(RATE);
  u32(RATE * 2);
  u16(2);
  u16(16);
  std::fputs("data", f);
  u32(bytes);
  for (double v : s) {
    const double clipped = v > 1.0 ? 1.0 : v < -1.0 ? -1.0 : v;
    u16(static_cast<uint16_t>(static_cast<int16_t>(clipped * 30000.0)));
  }
  return std::fclose(f) == 0;
}

Samples length(double seconds) { return Samples(static_cast<size_t>(seconds * RATE), 0.0); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: soundmaker FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  Samples move = length(0.12);
  knock(move, 0.0, 620.0);
  Samples capture = length(0.2);
  knock(capture, 0.0, 520.0);
  knock(capture, 0.07, 470.0);
  Samples check = length(0.45);
  strike(check, 1318.5, 0.0, 0.12, 0.35);
  strike(check, 1975.5, 0.0, 0.08, 0.2);
  Samples end = length(0.9);
  strike(end, 523.25, 0.0, 0.25, 0.3);
  strike(end, 659.25, 0.15, 0.25, 0.3);
  strike(end, 783.99, 0.3, 0.35, 0.3);
  bool ok = true;
  ok &= write(folder + "/move.wav", move);
  ok &= write(folder + "/capture.wav", capture);
  ok &= write(folder + "/check.wav", check);
  ok &= write(folder + "/end.wav", end);
  if (!ok) std::fprintf(stderr, "soundmaker: cannot write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
