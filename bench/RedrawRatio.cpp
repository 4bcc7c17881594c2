// The redraw of each style against a one-colour fill of the same surface, as a ratio of times:
// buttons of 100 x 30 and 400 x 120 at device pixel ratios 1, 1.5 and 2 (a surface of the device
// size), in every state, without and with a caption. A small loop of its own, so that the same
// source runs where Google Benchmark is not available for the target (the Windows cross build)
// and natively beside it.
// Usage: bench_redraw_ratio [rounds]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#if defined(__linux__)
#include <time.h>
#endif

#include "bench/BenchLook.h"
#include "glossbutton/render/Redraw.h"
#include "glossbutton/render/Surface.h"
#include "glossbutton/render/TextEngine.h"

namespace {

// A stand-in for a real text engine, so that the caption step costs about what a short caption
// does: cells of 0.8 x 1.5 times the font size, every other pixel of each cell set.
class CellTextEngine : public gloss::TextEngine {
 public:
  double TextWidth(const gloss::Font& font, const std::string& text) override {
    return static_cast<double>(text.size()) * CellW(font);
  }
  double TextHeight(const gloss::Font& font, const std::string&) override { return CellH(font); }
  void Print(gloss::PixelView v, double x, double y, const gloss::Font& font, std::uint32_t color,
             const std::string& text) override {
    const auto x0 = static_cast<std::int32_t>(x), y0 = static_cast<std::int32_t>(y);
    const auto w = static_cast<std::int32_t>(static_cast<double>(text.size()) * CellW(font));
    const auto h = static_cast<std::int32_t>(CellH(font));
    for (std::int32_t py = std::max(y0, 0); py < std::min(y0 + h, v.height); ++py)
      for (std::int32_t px = std::max(x0, 0) + (py & 1); px < std::min(x0 + w, v.width); px += 2)
        v.pixels[static_cast<std::ptrdiff_t>(py) * v.stride + px] = color;
  }

 private:
  static double CellW(const gloss::Font& f) { return static_cast<double>(static_cast<std::int32_t>(f.size * 0.8)); }
  static double CellH(const gloss::Font& f) { return static_cast<double>(static_cast<std::int32_t>(f.size * 1.5)); }
};

// Where the thread's own processor time can be read (Linux), rounds are timed by it: on a shared
// machine the time the thread waits for a core then stays out of the figures. Elsewhere the
// steady clock, and the best round tells.
double NowNs() {
#if defined(__linux__)
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
#else
  return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now().time_since_epoch()).count();
#endif
}

// Best time per call over rounds of about 10 ms each, in nanoseconds.
template <typename Body>
double BestNs(const Body& body, int rounds) {
  long n = 1;
  for (;;) {  // calls per round
    const double t0 = NowNs();
    for (long i = 0; i < n; ++i) body();
    if (NowNs() - t0 > 1e7) break;
    n *= 2;
  }
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    const double t0 = NowNs();
    for (long i = 0; i < n; ++i) body();
    best = std::min(best, (NowNs() - t0) / static_cast<double>(n));
  }
  return best;
}

volatile std::uint32_t g_Sink;

constexpr const char* kStateNames[] = {"up", "pressed", "focused", "hover", "checked"};

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const auto text = std::make_shared<CellTextEngine>();
  const std::int32_t sizes[][2] = {{100, 30}, {400, 120}};
  const double ratios[] = {1.0, 1.5, 2.0};
  std::printf("redraw / fill of the same surface; columns: state, then caption (-: none, c: \"OK\")\n");
  for (const auto& size : sizes) {
    for (const double ratio : ratios) {
      const std::int32_t dw = gloss::CInt32(size[0] * ratio), dh = gloss::CInt32(size[1] * ratio);
      gloss::Surface fillSurface(dw, dh);
      const double fill = BestNs(
          [&] {
            fillSurface.LineBF(0, 0, dw - 1, dh - 1, 0x336699);
            g_Sink = fillSurface.Pixels().pixels[0];
          },
          rounds);
      std::printf("\n%dx%d at ratio %.1f (surface %dx%d): fill %.0f ns\n        ", size[0], size[1], ratio, dw, dh,
                  fill);
      for (const char* name : kStateNames) std::printf(" %8s- %8sc", name, name);
      std::printf("   worst\n");
      for (int style = 0; style <= 6; ++style) {
        std::printf("style %d ", style);
        double worst = 0;
        for (int state = 0; state < 5; ++state) {
          for (int caption = 0; caption < 2; ++caption) {
            gloss::ButtonLook look = bench::LookAtRatio(style, size[0], size[1], ratio);
            if (caption) look.Caption = "OK";
            look.Checked = state == 4;
            gloss::Surface surface(dw, dh, text);
            const double redraw = BestNs(
                [&] {
                  std::int32_t s = state;
                  auto image = gloss::RedrawButton(surface, look, s);
                  g_Sink = image->pixels[0];
                },
                rounds);
            worst = std::max(worst, redraw / fill);
            std::printf(" %9.2f", redraw / fill);
          }
        }
        std::printf("   %5.2f\n", worst);
      }
    }
  }
  return 0;
}
