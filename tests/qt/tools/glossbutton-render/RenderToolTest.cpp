// Runs glossbutton-render as a user would and checks what it writes: Style 3 pixels worked out
// from the face rules, the window shape as PBM, and refusals that leave no file behind.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "glossbutton/render/Geometry.h"

namespace {

namespace fs = std::filesystem;

struct Raster {
  int width = 0, height = 0;
  std::vector<unsigned char> data;  // PPM: 3 bytes a pixel; PBM: packed rows
};

Raster ReadNetpbm(const fs::path& path, const std::string& magic) {
  std::ifstream f(path, std::ios::binary);
  Raster r;
  std::string m;
  f >> m;
  EXPECT_EQ(m, magic);
  f >> r.width >> r.height;
  if (magic == "P6") {
    int maxValue = 0;
    f >> maxValue;
    EXPECT_EQ(maxValue, 255);
  }
  f.get();  // the single whitespace before the data
  r.data.assign(std::istreambuf_iterator<char>(f), {});
  return r;
}

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Rgb& c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Rgb At(const Raster& p, int x, int y) {
  const std::size_t i = (static_cast<std::size_t>(y) * p.width + x) * 3;
  return {p.data[i], p.data[i + 1], p.data[i + 2]};
}

bool MaskAt(const Raster& m, int x, int y) {
  const std::size_t rowBytes = (static_cast<std::size_t>(m.width) + 7) / 8;
  return (m.data[y * rowBytes + x / 8] >> (7 - x % 8)) & 1;
}

struct RenderTool : ::testing::Test {
  fs::path dir;
  std::string err;

  void SetUp() override {
    char tmpl[] = "/tmp/gbrender-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
  }
  void TearDown() override { fs::remove_all(dir); }

  int Run(const std::string& args) {
    const fs::path errFile = dir / "stderr.txt";
    const std::string cmd = std::string(GLOSSBUTTON_RENDER) + " " + args + " 2>" + errFile.string();
    const int status = std::system(cmd.c_str());
    std::ifstream e(errFile);
    err.assign(std::istreambuf_iterator<char>(e), {});
    fs::remove(errFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

// The close button's stored colours: up and down red, hover dark red, ColorBright light red.
const std::string kCloseColours = "--up 255 --hover 128 --down 0xFF --bright 8421631 --border 0";

TEST_F(RenderTool, Style3PixelsFollowTheFaceRules) {
  // 25 x 25: face 24 x 24, radius 12, ShadeY 72. (12, 23) edge ring = face colour; (12, 5) gloss,
  // white 29 percent towards the face; (12, 12) glow, ColorBright 49 percent towards the face.
  const fs::path hover = dir / "hover.ppm";
  ASSERT_EQ(Run("--style 3 --state 3 --width 25 --height 25 " + kCloseColours + " --out " + hover.string()), 0) << err;
  const Raster h = ReadNetpbm(hover, "P6");
  ASSERT_EQ(h.width, 25);
  ASSERT_EQ(h.height, 25);
  EXPECT_EQ(At(h, 12, 23), (Rgb{128, 0, 0}));
  EXPECT_EQ(At(h, 12, 5), (Rgb{219, 182, 182}));
  EXPECT_EQ(At(h, 12, 12), (Rgb{193, 66, 66}));

  const fs::path up = dir / "up.ppm";
  ASSERT_EQ(Run("--style 3 --state 0 --width 25 --height 25 " + kCloseColours + " --out " + up.string()), 0) << err;
  const Raster u = ReadNetpbm(up, "P6");
  EXPECT_EQ(At(u, 12, 23), (Rgb{255, 0, 0}));
  EXPECT_EQ(At(u, 12, 5), (Rgb{255, 182, 182}));
  EXPECT_EQ(At(u, 12, 12), (Rgb{255, 66, 66}));
}

TEST_F(RenderTool, CheckedIsReadAsStoredAndWinsOverTheState) {
  const fs::path checked = dir / "checked.ppm";
  const fs::path four = dir / "four.ppm";
  ASSERT_EQ(Run("--style 2 --state 3 --width 60 --height 24 --checked --out " + checked.string()), 0) << err;
  ASSERT_EQ(Run("--style 2 --state 4 --width 60 --height 24 --out " + four.string()), 0) << err;
  const fs::path hover = dir / "hover.ppm";
  ASSERT_EQ(Run("--style 2 --state 3 --width 60 --height 24 --out " + hover.string()), 0) << err;
  EXPECT_EQ(ReadNetpbm(checked, "P6").data, ReadNetpbm(four, "P6").data);
  EXPECT_NE(ReadNetpbm(checked, "P6").data, ReadNetpbm(hover, "P6").data);
}

TEST_F(RenderTool, MaskFollowsTheRegionRule) {
  // At --scale 1.5 the shape is worked out in device pixels: 60 x 33, Style 3's radius 12 * 1.5.
  struct Case {
    const char* scale;
    int W, H, R3, R6;  // R6: min(H \ 3, W \ 3)
  };
  for (const Case& c : {Case{"1", 40, 22, 12, 7}, Case{"1.5", 60, 33, 18, 11}}) {
    for (int style : {3, 6}) {
      const fs::path img = dir / "b.png";
      const fs::path mask = dir / "b.pbm";
      const int W = c.W, H = c.H;
      ASSERT_EQ(Run("--style " + std::to_string(style) + " --state 0 --width 40 --height 22 --scale " + c.scale +
                    " --out " + img.string() + " --mask-out " + mask.string()),
                0)
          << err;
      const Raster m = ReadNetpbm(mask, "P4");
      ASSERT_EQ(m.width, W);
      ASSERT_EQ(m.height, H);
      // Rows 1 to Hr - 1 keep the columns strictly between RunEnd and Wr - RunEnd.
      const int Wr = W - 1, Hr = H - 1;
      const int R = style == 3 ? c.R3 : c.R6;
      for (int y = 0; y < H; ++y) {
        int runEnd = 0;
        for (int i = 0; i <= Wr / 2; ++i)
          if (!gloss::RoundCornerTest(i, y, 0, 0, Wr, Hr, R)) runEnd = i;
        for (int x = 0; x < W; ++x) {
          const bool expected = y >= 1 && y <= Hr - 1 && x > runEnd && x < Wr - runEnd;
          EXPECT_EQ(MaskAt(m, x, y), expected) << "style " << style << " scale " << c.scale << " at " << x << ", " << y;
        }
      }
      std::ifstream png(img, std::ios::binary);
      char sig[8] = {};
      png.read(sig, 8);
      EXPECT_EQ(std::string(sig + 1, 3), "PNG");
    }
  }

  const fs::path mask = dir / "flat.pbm";
  ASSERT_EQ(Run("--style 0 --state 0 --width 13 --height 5 --out " + (dir / "f.ppm").string() + " --mask-out " +
                mask.string()),
            0)
      << err;
  const Raster m = ReadNetpbm(mask, "P4");
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 13; ++x) EXPECT_TRUE(MaskAt(m, x, y)) << x << ", " << y;
}

TEST_F(RenderTool, BadArgumentsExitTwoWithOneLineAndWriteNothing) {
  const std::string out = " --out " + (dir / "o.ppm").string() + " --mask-out " + (dir / "o.pbm").string();
  const std::string base = "--style 3 --state 0 ";
  const std::vector<std::string> bad = {
      base + "--width 25 --height 25 --colour 3" + out,  // unknown option
      base + "--width 25px --height 25" + out,           // not a number
      base + "--width 25 --height 25 --up 0xGG" + out,   // not a number
      base + "--width 0 --height 25" + out,              // outside 1 to 8192
      base + "--width 25 --height 8193" + out,
      base + "--width 25 --height 25 --picture " + (dir / "missing.png").string() + out,
      base + "--width 25 --height 25 --out " + (dir / "no" / "such" / "dir.ppm").string() + " --mask-out " +
          (dir / "o.pbm").string(),  // unwritable image: no mask either
      base + "--width 25 --height 25 --out " + (dir / "o.ppm").string() + " --mask-out " +
          (dir / "no" / "o.pbm").string(),              // unwritable mask: no image either
      "--style 3 --width 25 --height 25" + out,         // no state
      base + "--width 25 --height 25 --scale 0" + out,  // scale not above 0
      base + "--width 25 --height 25 --scale -2" + out,
      base + "--width 25 --height 25 --scale nan" + out,
      base + "--width 25 --height 25 --scale 8.5" + out,  // above 8
      base + "--width 25 --height 25 --scale 2x" + out,
      base + "--width 25 --height 25 --scale ' 2'" + out,  // numbers are the whole text, as for the sizes
      base + "--width 25 --height 25 --font-size ' 9'" + out,
      base + "--width 8192 --height 8192 --scale 8" + out,  // the limit is on device pixels
      base + "--width 25 --height 1100 --scale 7.5" + out,
      base + "--width 25 --height 25 --scale 1e-9" + out,  // less than 1 x 1 device pixels
      base + "--width 25 --height 25 --scale 0.01" + out,
      "--gallery " + (dir / "g.png").string() + " --scale 0.01",
  };
  for (const std::string& args : bad) {
    SCOPED_TRACE(args);
    EXPECT_EQ(Run(args), 2);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(err.rfind("glossbutton-render: ", 0), 0u) << err;
    EXPECT_TRUE(Files().empty());
  }
}

TEST_F(RenderTool, APictureItCannotUseSaysWhyInOneLine) {
  // A PNG's signature and a header of 0 x 0 pixels, then nothing: cut short and empty at once.
  const std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\0\0\0\0\0\x08\x02\0\0\0\xb4\xe9\xeb\x45", 33);
  struct Case {
    const char* name;
    std::string content;
    const char* says;
  };
  const Case cases[] = {
      {"huge.ppm", "P6\n8192 8192\n255\n", "8192 x 8192 pixels is more than the"},  // the header is enough
      {"empty.png", png, "cannot read"},
      {"cut.png", png.substr(0, 20), "cannot read"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path picture = dir.parent_path() / (dir.filename().string() + "-" + c.name);
    { std::ofstream(picture, std::ios::binary) << c.content; }
    EXPECT_EQ(Run("--style 0 --state 0 --width 25 --height 25 --picture " + picture.string() + " --out " +
                  (dir / "o.ppm").string()),
              2);
    fs::remove(picture);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(err.rfind("glossbutton-render: --picture: ", 0), 0u) << err;
    EXPECT_NE(err.find(c.says), std::string::npos) << err;
    EXPECT_TRUE(Files().empty());
  }
}

TEST_F(RenderTool, AFailedOutputLeavesEveryTargetAsItWas) {
  const fs::path image = dir / "o.png";
  const fs::path mask = dir / "m.pbm";
  { std::ofstream(image, std::ios::binary) << "old image"; }
  fs::create_directory(mask);  // cannot be replaced by a file
  const auto before = Files();
  EXPECT_EQ(Run("--style 3 --state 0 --width 25 --height 25 --out " + image.string() + " --mask-out " + mask.string()),
            2);
  EXPECT_EQ(err, "glossbutton-render: cannot write '" + mask.string() + "'\n");
  std::ifstream f(image, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), "old image");
  EXPECT_TRUE(fs::is_directory(mask));
  EXPECT_EQ(Files(), before);  // no temporary or kept copy left behind
}

TEST_F(RenderTool, AReplacedOutputKeepsItsNameItsModeAndItsLink) {
  struct Case {
    const char* what;
    std::string name;
    bool link;
    fs::perms mode;
  };
  const Case cases[] = {
      {"a name of 251 bytes", std::string(247, 'n') + ".ppm", false, fs::perms::owner_read | fs::perms::owner_write},
      {"a file of mode 0600", "private.ppm", false, fs::perms::owner_read | fs::perms::owner_write},
      {"a link to the file", "link.ppm", true, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path named = dir / c.name;
    const fs::path file = c.link ? dir / "real.ppm" : named;
    { std::ofstream(file, std::ios::binary) << "old image"; }
    fs::permissions(file, c.mode);
    if (c.link) fs::create_symlink("real.ppm", named);
    ASSERT_EQ(Run("--style 3 --state 0 --width 25 --height 25 --out " + named.string()), 0) << err;
    EXPECT_EQ(fs::is_symlink(named), c.link);
    EXPECT_EQ(fs::status(file).permissions(), c.mode);
    EXPECT_EQ(ReadNetpbm(file, "P6").width, 25);
    fs::remove(named);
    fs::remove(file);
    EXPECT_TRUE(Files().empty());
  }
}

}  // namespace
