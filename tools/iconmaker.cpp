// Draws the program's icon: the knight of the 3D set, seen from the side,
// standing on four board squares. Writes the desktop's icon theme layout:
//
//   iconmaker <folder>    <folder>/hicolor/NxN/apps/zefiran3d.png for the
//                         usual sizes, and hicolor/scalable/apps/zefiran3d.svg
//
// Both come from the same polygons, so the picture and the scalable icon
// agree; the output depends only on this file and the knight's outline.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "graphics/core/knightoutline.h"

namespace {

namespace fs = std::filesystem;

constexpr int SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr const char* NAME = "zefiran3d";
// The scalable icon's own grid.
constexpr double SVGSIDE = 256.0;

// Unit square, y down.
constexpr double CORNER = 0.14;  // radius of the rounded corners
constexpr double OUTLINE = 0.05;
constexpr double PIECEHEIGHT = 0.80;
constexpr double PIECEBOTTOM = 0.92;
constexpr int BASESTEPS = 24;  // segments of the base's half ellipse

const char* const LIGHTSQUARE = "#e9cf9f";
const char* const DARKSQUARE = "#9c6a3c";
const char* const PIECEFILL = "#f7f0df";
const char* const PIECEEDGE = "#2a1c10";

struct Point {
  double x, y;
};
using Polygon = std::vector<Point>;

// The knight's side view, from model units (y up, board at BOARDLEVEL) into
// the unit square.
std::vector<Polygon> knight() {
  const double top = KNIGHTHEAD[0].v;
  const double scale = PIECEHEIGHT / (top - BOARDLEVEL);
  auto place = [scale](double x, double y) { return Point{0.5 + x * scale, PIECEBOTTOM - (y - BOARDLEVEL) * scale}; };
  auto outline = [&place](std::span<const Vec2> points) {
    Polygon p;
    for (const Vec2& v : points) p.push_back(place(v.u, v.v));
    return p;
  };
  // All parts turn the same way round, so that filled as one shape their
  // overlaps stay filled.
  Polygon base;
  for (int i = BASESTEPS; i >= 0; --i) {
    const double a = M_PI * i / BASESTEPS;
    base.push_back(place(PIECEBASERADIUS * std::cos(a), BOARDLEVEL + PIECEBASERADIUS * std::sin(a)));
  }
  return {base, outline(KNIGHTNECK), outline(KNIGHTHEAD)};
}

// ---- picture ----------------------------------------------------------------

void drawPng(int side, const std::vector<Polygon>& piece, const fs::path& file) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(side, side);
  QPainterPath tile;
  tile.addRoundedRect(0, 0, 1, 1, CORNER, CORNER);
  p.setClipPath(tile);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 2; ++col)
      p.fillRect(QRectF(col * 0.5, row * 0.5, 0.5, 0.5), QColor((row + col) % 2 ? DARKSQUARE : LIGHTSQUARE));
  // The parts as one shape; its outline is drawn first and the shape filled
  // over it, so that only the outer edge of the joined parts shows.
  QPainterPath shape;
  shape.setFillRule(Qt::WindingFill);
  for (const Polygon& part : piece) {
    QPolygonF q;
    for (const Point& pt : part) q << QPointF(pt.x, pt.y);
    shape.addPolygon(q);
    shape.closeSubpath();
  }
  p.strokePath(shape, QPen(QColor(PIECEEDGE), 2 * OUTLINE, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(shape, QColor(PIECEFILL));
  p.end();
  if (!image.save(QString::fromStdString(file.string()), "PNG"))
    throw std::runtime_error("cannot write " + file.string());
}

// ---- scalable icon ----------------------------------------------------------

std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v * SVGSIDE);
  return text;
}

// The parts as one path, filled by the nonzero rule like the picture's.
std::string pathData(const std::vector<Polygon>& piece) {
  std::string s;
  for (const Polygon& part : piece) {
    for (size_t i = 0; i < part.size(); ++i) s += (i == 0 ? "M" : " L") + number(part[i].x) + "," + number(part[i].y);
    s += " Z ";
  }
  s.pop_back();
  return s;
}

void writeSvg(const std::vector<Polygon>& piece, const fs::path& file) {
  const std::string side = number(1.0), half = number(0.5), corner = number(CORNER);
  std::ofstream out(file, std::ios::binary);
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << side << "\" height=\"" << side << "\" viewBox=\"0 0 "
      << side << " " << side << "\">\n"
      << "  <clipPath id=\"tile\"><rect width=\"" << side << "\" height=\"" << side << "\" rx=\"" << corner
      << "\"/></clipPath>\n"
      << "  <g clip-path=\"url(#tile)\">\n";
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 2; ++col)
      out << "    <rect x=\"" << number(col * 0.5) << "\" y=\"" << number(row * 0.5) << "\" width=\"" << half
          << "\" height=\"" << half << "\" fill=\"" << ((row + col) % 2 ? DARKSQUARE : LIGHTSQUARE) << "\"/>\n";
  const std::string shape = pathData(piece);
  out << "    <path d=\"" << shape << "\" fill=\"none\" stroke=\"" << PIECEEDGE << "\" stroke-width=\""
      << number(2 * OUTLINE) << "\" stroke-linejoin=\"round\"/>\n"
      << "    <path d=\"" << shape << "\" fill=\"" << PIECEFILL << "\"/>\n"
      << "  </g>\n</svg>\n";
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: iconmaker FOLDER\n");
    return 2;
  }
  try {
    const fs::path theme = fs::path(argv[1]) / "hicolor";
    const std::vector<Polygon> piece = knight();
    for (int side : SIZES) {
      const fs::path folder = theme / (std::to_string(side) + "x" + std::to_string(side)) / "apps";
      fs::create_directories(folder);
      drawPng(side, piece, folder / (std::string(NAME) + ".png"));
    }
    const fs::path scalable = theme / "scalable" / "apps";
    fs::create_directories(scalable);
    writeSvg(piece, scalable / (std::string(NAME) + ".svg"));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "iconmaker: %s\n", e.what());
    return 1;
  }
  return 0;
}
