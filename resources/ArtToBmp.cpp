// ArtToBmp: turns text-art files into Windows 16-colour (4 bpp) bitmaps and icons.
// A build-time host tool; portable C++17, no Windows headers.
//
//   ArtToBmp bitmap OUT.bmp ART...       one 16x16 image per ART, side by side
//   ArtToBmp icon OUT.ico ART32 ART16    a 32x32 and a 16x16 image
//
// Art: one character per pixel, one line per row; lines that are empty or start
// with '#' are comments. The colours are the 16 standard VGA colours:
//   k black    r maroon  g green  y olive   b navy  m purple   c teal  . silver
//   d grey     R red     G lime   Y yellow  B blue  M fuchsia  C aqua  w white
// Silver is the background: toolbars, tabs and menus show it as the button face,
// icons as transparent. 's' is opaque silver and exists only in icons.
// Bitmap art is 16x15: toolbar and menu images show 15 rows; row 16 is silver.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
  std::uint8_t r, g, b;
};

// Palette in the order Windows uses for its 16-colour system palette.
constexpr char legend[] = "krgybmc.dRGYBMCw";
constexpr Rgb palette[16] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
constexpr std::uint8_t silver = 7;
constexpr char opaqueSilver = 's';

// A decoded art file: palette indices row by row from the top; `clear` marks the
// background pixels ('.').
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> index;
  std::vector<bool> clear;
};

struct ArtRules {
  int width;
  int height;
  bool icon;  // allows opaque silver
};

bool fail(const std::string& where, const std::string& what) {
  std::fprintf(stderr, "ArtToBmp: %s: %s\n", where.c_str(), what.c_str());
  return false;
}

// Appends one pixel row of `line` to `image`; reports the first bad character.
bool parseRow(const std::string& line, const ArtRules& rules, const std::string& where,
              Image& image) {
  if (static_cast<int>(line.size()) != rules.width)
    return fail(where, "row has " + std::to_string(line.size()) + " pixels, expected " +
                           std::to_string(rules.width));
  for (std::size_t col = 0; col < line.size(); ++col) {
    const char c = line[col];
    const char* found = c != '\0' ? std::strchr(legend, c) : nullptr;
    const bool opaque = rules.icon && c == opaqueSilver;
    if (!found && !opaque)
      return fail(where + ":" + std::to_string(col + 1),
                  std::string("'") + c + "' is not a colour" +
                      (c == opaqueSilver ? " (opaque silver 's' is for icons only)" : ""));
    image.index.push_back(opaque ? silver : static_cast<std::uint8_t>(found - legend));
    image.clear.push_back(c == '.');
  }
  return true;
}

bool readArt(const std::string& path, const ArtRules& rules, Image& image) {
  std::ifstream in(path);
  if (!in) return fail(path, "cannot open");
  image = Image{rules.width, 0, {}, {}};
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (image.height == rules.height)
      return fail(path + ":" + std::to_string(number),
                  "more than " + std::to_string(rules.height) + " rows");
    if (!parseRow(line, rules, path + ":" + std::to_string(number), image)) return false;
    ++image.height;
  }
  if (image.height != rules.height)
    return fail(path, std::to_string(image.height) + " rows, expected " +
                          std::to_string(rules.height));
  return true;
}

// Little-endian output buffer.
struct Bytes {
  std::vector<std::uint8_t> data;
  void u8(unsigned v) { data.push_back(static_cast<std::uint8_t>(v)); }
  void u16(unsigned v) { u8(v & 0xFF), u8(v >> 8); }
  void u32(std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
  void zeros(int count) { data.insert(data.end(), static_cast<std::size_t>(count), 0); }
};

int rowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }
std::uint32_t pixelBytes(const Image& image) {
  return static_cast<std::uint32_t>(rowBytes(image.width, 4) * image.height);
}
std::uint32_t iconBytes(const Image& image) {
  return pixelBytes(image) + static_cast<std::uint32_t>(rowBytes(image.width, 1) * image.height);
}

// BITMAPINFOHEADER and the palette; icons state twice the height (image plus mask).
void putInfo(Bytes& out, int width, int storedHeight, std::uint32_t imageSize) {
  out.u32(40), out.u32(width), out.u32(storedHeight);
  out.u16(1), out.u16(4);
  out.u32(0), out.u32(imageSize);  // BI_RGB
  out.u32(0), out.u32(0), out.u32(16), out.u32(0);
  for (const Rgb& c : palette) out.u8(c.b), out.u8(c.g), out.u8(c.r), out.u8(0);
}

// 4-bit pixels, bottom row first. Icons store their transparent pixels as black.
void putPixels(Bytes& out, const Image& image, bool icon) {
  const int padding = rowBytes(image.width, 4) - (image.width + 1) / 2;
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; x += 2) {
      std::uint8_t pair = 0;
      for (int half = 0; half < 2; ++half) {
        const std::size_t at = static_cast<std::size_t>(y * image.width + x + half);
        const std::uint8_t pixel = icon && image.clear[at] ? 0 : image.index[at];
        pair = static_cast<std::uint8_t>(pair << 4 | pixel);
      }
      out.u8(pair);
    }
    out.zeros(padding);
  }
}

// AND mask of an icon: 1 where the background shows through.
void putMask(Bytes& out, const Image& image) {
  const int padding = rowBytes(image.width, 1) - (image.width + 7) / 8;
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; x += 8) {
      unsigned bits = 0;
      for (int bit = 0; bit < 8; ++bit)
        bits = bits << 1 | image.clear[static_cast<std::size_t>(y * image.width + x + bit)];
      out.u8(bits);
    }
    out.zeros(padding);
  }
}

// Places the images side by side, adding a silver row below each 16x15 art.
Image makeStrip(const std::vector<Image>& cells) {
  const int cell = 16;
  Image strip{cell * static_cast<int>(cells.size()), cell, {}, {}};
  for (int y = 0; y < cell; ++y)
    for (const Image& image : cells)
      for (int x = 0; x < cell; ++x) {
        const bool inside = y < image.height;
        const std::size_t at = static_cast<std::size_t>(y * image.width + x);
        strip.index.push_back(inside ? image.index[at] : silver);
        strip.clear.push_back(inside ? bool(image.clear[at]) : true);
      }
  return strip;
}

Bytes encodeBitmap(const Image& image) {
  const std::uint32_t headers = 14 + 40 + 16 * 4;
  const std::uint32_t size = pixelBytes(image);
  Bytes out;
  out.u8('B'), out.u8('M'), out.u32(headers + size), out.u32(0), out.u32(headers);
  putInfo(out, image.width, image.height, size);
  putPixels(out, image, false);
  return out;
}

Bytes encodeIcon(const std::vector<Image>& images) {
  Bytes out;
  out.u16(0), out.u16(1), out.u16(static_cast<unsigned>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (const Image& image : images) {
    const std::uint32_t size = 40 + 16 * 4 + iconBytes(image);
    out.u8(image.width), out.u8(image.height), out.u8(16), out.u8(0);
    out.u16(1), out.u16(4), out.u32(size), out.u32(offset);
    offset += size;
  }
  for (const Image& image : images) {
    putInfo(out, image.width, 2 * image.height, iconBytes(image));
    putPixels(out, image, true);
    putMask(out, image);
  }
  return out;
}

bool writeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data.data()),
            static_cast<std::streamsize>(bytes.data.size()));
  out.close();
  return out ? true : fail(path, "cannot write");
}

int usage() {
  std::fprintf(stderr,
               "usage: ArtToBmp bitmap OUT.bmp ART...\n"
               "       ArtToBmp icon OUT.ico ART32 ART16\n");
  return 2;
}

int makeBitmap(const std::string& out, const std::vector<std::string>& arts) {
  std::vector<Image> cells(arts.size());
  for (std::size_t i = 0; i < arts.size(); ++i)
    if (!readArt(arts[i], ArtRules{16, 15, false}, cells[i])) return 1;
  return writeFile(out, encodeBitmap(makeStrip(cells))) ? 0 : 1;
}

int makeIcon(const std::string& out, const std::string& art32, const std::string& art16) {
  std::vector<Image> images(2);
  if (!readArt(art32, ArtRules{32, 32, true}, images[0]) ||
      !readArt(art16, ArtRules{16, 16, true}, images[1]))
    return 1;
  return writeFile(out, encodeIcon(images)) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 3 && args[0] == "bitmap")
    return makeBitmap(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
  if (args.size() == 4 && args[0] == "icon") return makeIcon(args[1], args[2], args[3]);
  return usage();
}
