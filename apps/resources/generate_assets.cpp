// Draws the program's icon and synthesises its click sound, byte for byte the same on every run,
// so the files in this folder can always be made again from this source alone:
//
//   generate-assets OUTPUT_FOLDER     writes drelm-idle.ico and add1.wav there
//
// The icon is a dark rounded tile with a crescent moon and two small stars (a program that waits
// while its user is away); the sound is a short, quiet tick.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutTag(Bytes& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

// Paints source over destination (straight alpha).
Rgba Over(const Rgba& dst, const Rgba& src) {
  const double a = src.a + dst.a * (1 - src.a);
  if (a <= 0) return {};
  auto mix = [&](double s, double d) { return (s * src.a + d * dst.a * (1 - src.a)) / a; };
  return {mix(src.r, dst.r), mix(src.g, dst.g), mix(src.b, dst.b), a};
}

Rgba Colour(int rgb, double alpha = 1.0) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

bool InCircle(double x, double y, double cx, double cy, double r) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// Inside a rounded square spanning [inset, 1 - inset] with corner radius radius.
bool InTile(double x, double y, double inset, double radius) {
  const double lo = inset + radius;
  const double hi = 1 - inset - radius;
  const double qx = std::clamp(x, lo, hi);
  const double qy = std::clamp(y, lo, hi);
  if (x < inset || x > 1 - inset || y < inset || y > 1 - inset) return false;
  return InCircle(x, y, qx, qy, radius);
}

// The icon at one unit-square point: what covers it, top layer last.
Rgba IconAt(double x, double y, int size) {
  Rgba pixel;
  const double edge = 1.0 / size;  // one pixel, in unit coordinates
  const double inset = size <= 16 ? 0.0 : 0.03;
  const double radius = 0.2;
  if (InTile(x, y, inset, radius)) {
    pixel = Colour(0x4F9BE8);  // the accent rim
  }
  if (InTile(x, y, inset + edge, radius - edge)) {
    // The tile: dark slate, a little lighter at the top.
    const Rgba top = Colour(0x2B3F5A);
    const Rgba bottom = Colour(0x141C27);
    pixel = {top.r + (bottom.r - top.r) * y, top.g + (bottom.g - top.g) * y,
             top.b + (bottom.b - top.b) * y, 1};
  }
  // The crescent: a disc with a smaller disc taken out towards the upper right.
  if (InCircle(x, y, 0.45, 0.54, 0.29) && !InCircle(x, y, 0.58, 0.43, 0.25)) {
    pixel = Over(pixel, Colour(0x9FD3FF));
  }
  // Two stars.
  if (InCircle(x, y, 0.8, 0.62, size <= 16 ? 0.07 : 0.055)) pixel = Over(pixel, Colour(0xF2F6FA));
  if (size > 16 && InCircle(x, y, 0.74, 0.25, 0.04)) pixel = Over(pixel, Colour(0xC9D6E3));
  return pixel;
}

// One icon image: 32-bit BGRA rows bottom-up, then the 1-bit mask, after its bitmap header.
Bytes IconImage(int size) {
  constexpr int kSamples = 4;  // per axis, for smooth edges
  Bytes pixels;
  std::vector<bool> transparent;
  for (int row = size - 1; row >= 0; --row) {
    for (int column = 0; column < size; ++column) {
      Rgba sum;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double x = (column + (sx + 0.5) / kSamples) / size;
          const double y = (row + (sy + 0.5) / kSamples) / size;
          const Rgba sample = IconAt(x, y, size);
          // Premultiplied while averaging, so transparent samples add no colour.
          sum.r += sample.r * sample.a;
          sum.g += sample.g * sample.a;
          sum.b += sample.b * sample.a;
          sum.a += sample.a;
        }
      }
      const double n = kSamples * kSamples;
      const double alpha = sum.a / n;
      auto channel = [&](double premultiplied) {
        const double straight = alpha > 0 ? premultiplied / n / alpha : 0;
        return static_cast<std::uint8_t>(std::lround(std::clamp(straight, 0.0, 1.0) * 255));
      };
      pixels.push_back(channel(sum.b));
      pixels.push_back(channel(sum.g));
      pixels.push_back(channel(sum.r));
      const auto a8 = static_cast<std::uint8_t>(std::lround(alpha * 255));
      pixels.push_back(a8);
      transparent.push_back(a8 == 0);
    }
  }
  const int maskStride = ((size + 31) / 32) * 4;
  Bytes mask(static_cast<std::size_t>(maskStride * size), 0);
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      if (transparent[static_cast<std::size_t>(row * size + column)]) {
        mask[static_cast<std::size_t>(row * maskStride + column / 8)] |=
            static_cast<std::uint8_t>(0x80 >> (column % 8));
      }
    }
  }
  Bytes image;
  Put32(image, 40);  // BITMAPINFOHEADER
  Put32(image, static_cast<std::uint32_t>(size));
  Put32(image, static_cast<std::uint32_t>(size * 2));  // colour rows and mask rows
  Put16(image, 1);
  Put16(image, 32);
  Put32(image, 0);  // BI_RGB
  Put32(image, static_cast<std::uint32_t>(pixels.size() + mask.size()));
  for (int i = 0; i < 4; ++i) Put32(image, 0);
  image.insert(image.end(), pixels.begin(), pixels.end());
  image.insert(image.end(), mask.begin(), mask.end());
  return image;
}

Bytes IconFile() {
  const std::vector<int> sizes = {16, 20, 24, 32, 40, 48, 64};
  std::vector<Bytes> images;
  for (int size : sizes) images.push_back(IconImage(size));
  Bytes file;
  Put16(file, 0);
  Put16(file, 1);  // an icon
  Put16(file, static_cast<std::uint32_t>(sizes.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * sizes.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    file.push_back(static_cast<std::uint8_t>(sizes[i]));
    file.push_back(static_cast<std::uint8_t>(sizes[i]));
    file.push_back(0);  // no palette
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<std::uint32_t>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const Bytes& image : images) file.insert(file.end(), image.begin(), image.end());
  return file;
}

// A tick of 18 ms: a 2.4 kHz tone that dies away within a few milliseconds, with a soft start so
// it does not pop, at about a third of full scale. Made with plain arithmetic only (the tone by
// rotating a unit vector, the decay by a constant factor), so every C++ library gives the same
// bytes.
Bytes ClickSound() {
  constexpr int kRate = 22050;
  constexpr int kCount = 397;  // 18 ms
  // cos and sin of 2 pi 2400 / 22050, and exp(-1 / (22050 * 0.0022)): the level falls to 1/e in
  // 2.2 ms.
  constexpr double kStepCos = 0.7751245550734518;
  constexpr double kStepSin = 0.6318084552474613;
  constexpr double kDecayPerSample = 0.9795967159704962;
  constexpr int kAttackSamples = 9;  // 0.4 ms of fade-in
  constexpr double kPeak = 0.33;
  Bytes samples;
  double c = 1;
  double s = 0;
  double level = kPeak;
  for (int i = 0; i < kCount; ++i) {
    const double attack = i < kAttackSamples ? static_cast<double>(i) / kAttackSamples : 1.0;
    const double value = level * attack * s;
    const double scaled = value * 32767;
    const auto sample = static_cast<std::int16_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
    Put16(samples, static_cast<std::uint16_t>(sample));
    const double nextC = c * kStepCos - s * kStepSin;
    s = s * kStepCos + c * kStepSin;
    c = nextC;
    level *= kDecayPerSample;
  }
  Bytes file;
  PutTag(file, "RIFF");
  Put32(file, static_cast<std::uint32_t>(36 + samples.size()));
  PutTag(file, "WAVE");
  PutTag(file, "fmt ");
  Put32(file, 16);
  Put16(file, 1);  // PCM
  Put16(file, 1);  // mono
  Put32(file, kRate);
  Put32(file, kRate * 2);  // bytes per second
  Put16(file, 2);          // bytes per frame
  Put16(file, 16);         // bits per sample
  PutTag(file, "data");
  Put32(file, static_cast<std::uint32_t>(samples.size()));
  file.insert(file.end(), samples.begin(), samples.end());
  return file;
}

bool Write(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: generate-assets OUTPUT_FOLDER\n", stderr);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  if (!Write(folder / "drelm-idle.ico", IconFile()) || !Write(folder / "add1.wav", ClickSound())) {
    std::fprintf(stderr, "generate-assets: cannot write into %s\n", folder.string().c_str());
    return 1;
  }
  return 0;
}
