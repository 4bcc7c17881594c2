#include "OutputFiles.h"

#include <QBuffer>
#include <QImage>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace render_tool {

Bytes EncodePpm(const gloss::Image& image) {
  const std::string header = "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n";
  Bytes out(header.begin(), header.end());
  out.reserve(out.size() + image.pixels.size() * 3);
  for (std::uint32_t px : image.pixels) {
    out.push_back(static_cast<char>((px >> 16) & 0xFF));
    out.push_back(static_cast<char>((px >> 8) & 0xFF));
    out.push_back(static_cast<char>(px & 0xFF));
  }
  return out;
}

Bytes EncodePng(const gloss::Image& image) {
  QImage q(image.width, image.height, QImage::Format_RGB32);
  if (q.isNull())
    throw std::runtime_error("no memory for a " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                             " image");
  for (std::int32_t y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(q.scanLine(y));
    for (std::int32_t x = 0; x < image.width; ++x) row[x] = 0xFF000000u | image.At(x, y);
  }
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  if (!q.save(&buffer, "PNG")) throw std::runtime_error("PNG encoding failed");
  return Bytes(data.begin(), data.end());
}

Bytes EncodePbm(const std::vector<bool>& inside, std::int32_t width, std::int32_t height) {
  const std::string header = "P4\n" + std::to_string(width) + " " + std::to_string(height) + "\n";
  Bytes out(header.begin(), header.end());
  const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
  for (std::int32_t y = 0; y < height; ++y) {
    Bytes row(rowBytes, 0);
    for (std::int32_t x = 0; x < width; ++x)
      if (inside[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)])
        row[static_cast<std::size_t>(x) / 8] =
            static_cast<char>(row[static_cast<std::size_t>(x) / 8] | (0x80 >> (x % 8)));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

Bytes EncodeImageFor(const std::string& path, const gloss::Image& image) {
  const bool png = path.size() >= 4 &&
                   (path.compare(path.size() - 4, 4, ".png") == 0 || path.compare(path.size() - 4, 4, ".PNG") == 0);
  return png ? EncodePng(image) : EncodePpm(image);
}

namespace {

// Where writing `path` really lands: through any symbolic links, so that a link stays a link and
// its target gets the new contents.
std::filesystem::path Destination(std::filesystem::path path) {
  namespace fs = std::filesystem;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) return path;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;  // a loop: writing it fails and says so
}

}  // namespace

void WriteAllOrNothing(const std::vector<std::pair<std::string, Bytes>>& files) {
  namespace fs = std::filesystem;
  struct Target {
    fs::path named, path, temp, backup;
    bool existed = false, replaced = false;
  };
  std::vector<Target> targets;
  // Puts every target replaced so far back as it was and removes what we made.
  const auto rollBack = [&] {
    std::error_code ec;
    for (auto& t : targets) {
      if (t.replaced) {
        if (t.existed)
          fs::rename(t.backup, t.path, ec);
        else
          fs::remove(t.path, ec);
      } else if (t.existed) {
        fs::remove(t.backup, ec);
      }
      fs::remove(t.temp, ec);
    }
  };
  const auto fail = [&](const fs::path& path) {
    rollBack();
    throw OutputError("cannot write '" + path.string() + "'");
  };

  for (const auto& [named, bytes] : files) {
    // Short names of our own beside the target: any name the target may have leaves room for them.
    const fs::path path = Destination(named);
    const std::string tag = ".gbrender-" + std::to_string(::getpid()) + "-" + std::to_string(targets.size());
    targets.push_back({named, path, path.parent_path() / (tag + ".tmp"), path.parent_path() / (tag + ".old")});
    std::ofstream f(targets.back().temp, std::ios::binary | std::ios::trunc);
    if (f) f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (f) f.close();
    if (!f) fail(named);
  }
  // Only plain files (or links to one) are replaced; each old one is kept under a second name (a hard link, so
  // the target never goes missing) until every new one is in place. A replaced file keeps its permissions.
  for (auto& t : targets) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(t.path, ec))) {
      if (!fs::is_regular_file(fs::symlink_status(t.path, ec))) fail(t.named);
      fs::permissions(t.temp, fs::status(t.path, ec).permissions(), ec);
      if (ec) fail(t.named);
      fs::create_hard_link(t.path, t.backup, ec);
      if (ec) fs::copy_file(t.path, t.backup, fs::copy_options::overwrite_existing, ec);
      if (ec) fail(t.named);
      t.existed = true;
    }
  }
  for (auto& t : targets) {
    std::error_code ec;
    fs::rename(t.temp, t.path, ec);
    if (ec) fail(t.named);
    t.replaced = true;
  }
  std::error_code ec;
  for (const auto& t : targets)
    if (t.existed) fs::remove(t.backup, ec);
}

}  // namespace render_tool
