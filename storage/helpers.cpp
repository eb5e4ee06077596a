#include "storage/helpers.h"

#include <algorithm>
#include <cmath>
#include <system_error>

namespace storage {

std::string CleanText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '\0') out.push_back(c);
  }
  std::size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  std::size_t last = out.find_last_not_of(' ');
  return out.substr(first, last - first + 1);
}

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  double lower = std::floor(x);
  double frac = x - lower;
  // A 4-byte float carries about 7 significant digits: a fraction that is a
  // half within that precision is a half. The tolerance stays far below a
  // half, so large values still round to their nearest neighbour.
  double tolerance = std::clamp(std::fabs(x) * 2e-8, 1e-9, 1e-6);
  if (std::fabs(frac - 0.5) <= tolerance) {
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
  }
  return frac < 0.5 ? lower : lower + 1.0;
}

double RoundHalfEven(double x, int decimals) {
  double scale = std::pow(10.0, decimals);
  double scaled = x * scale;
  // A price kept in a 4-byte float only comes near its decimal: 0.045 is held
  // as 0.0450000018 and 2.675 as 2.67499995, too far from the half for the
  // tolerance above. When the float of x is the float of the half between two
  // neighbours, and of neither neighbour, x is that half.
  if (std::isfinite(scaled)) {
    auto asFloat = [](double v) { return static_cast<float>(std::clamp(v, -1e30, 1e30)); };
    double lower = std::floor(scaled);
    float f = asFloat(x);
    if (f == asFloat((lower + 0.5) / scale) && f != asFloat(lower / scale) &&
        f != asFloat((lower + 1.0) / scale)) {
      return (std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0) / scale;
    }
  }
  return RoundHalfEven(scaled) / scale;
}

float Round2(double x) { return static_cast<float>(RoundHalfEven(x, 2)); }

bool RunningFromNetwork(std::string_view programFolder) {
  return programFolder.find("\\\\") != std::string_view::npos ||
         programFolder.substr(0, 2) == "//";
}

std::filesystem::path NativePath(std::string_view path) {
  std::string s;
  s.reserve(path.size());
  for (char c : path) {
    char d = (c == '\\') ? '/' : c;
    if (d == '/' && !s.empty() && s.back() == '/') continue;
    s.push_back(d);
  }
  return std::filesystem::path(s);
}

bool FolderExists(std::string_view path) {
  std::string clean = CleanText(path);
  if (clean.empty()) return false;
  std::error_code ec;
  return std::filesystem::is_directory(NativePath(clean), ec);
}

bool MakeFolder(std::string_view path, bool runningFromNetwork) {
  if (runningFromNetwork) return false;
  std::string clean = CleanText(path);
  if (clean.empty()) return false;
  std::filesystem::path folder = NativePath(clean);
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return false;
  // One level only: create_directory fails when the parent is missing.
  return std::filesystem::create_directory(folder, ec) && !ec;
}

}  // namespace storage
