// The redraw of each style against a one-colour fill of the same surface, as a ratio of times:
// buttons of 100 x 30 and 400 x 120 at device pixel ratios 1, 1.5 and 2 (a surface of the device
// size), in every state, without and with a caption; once as the control draws, once with the
// face cache off so that every face is drawn. A small loop of its own, so that the same
// source runs where Google Benchmark is not available for the target (the Windows cross build)
// and natively beside it.
// Usage: bench_redraw_ratio [rounds]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#if defined(__linux__)
#include <time.h>
#endif

#include "bench/BenchLook.h"
#include "glossbutton/render/Redraw.h"
#include "glossbutton/render/Surface.h"
#include "glossbutton/render/TextEngine.h"
#include "glossbutton/render/RenderContext.h"

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

// Calls of body per round of about 10 ms.
template <typename Body>
long CallsPerRound(const Body& body) {
  long n = 1;
  for (;;) {
    const double t0 = NowNs();
    for (long i = 0; i < n; ++i) body();
    if (NowNs() - t0 > 1e7) return n;
    n *= 2;
  }
}

// Best time per call of each of two bodies, their rounds taken in turn so that both see the
// same state of a busy machine, in nanoseconds.
template <typename A, typename B>
std::pair<double, double> BestNsInTurn(const A& a, const B& b, int rounds) {
  const long na = CallsPerRound(a), nb = CallsPerRound(b);
  double bestA = 1e300, bestB = 1e300;
  for (int r = 0; r < rounds; ++r) {
    double t0 = NowNs();
    for (long i = 0; i < na; ++i) a();
    bestA = std::min(bestA, (NowNs() - t0) / static_cast<double>(na));
    t0 = NowNs();
    for (long i = 0; i < nb; ++i) b();
    bestB = std::min(bestB, (NowNs() - t0) / static_cast<double>(nb));
  }
  return {bestA, bestB};
}

volatile std::uint32_t g_Sink;

constexpr const char* kStateNames[] = {"up", "pressed", "focused", "hover", "checked"};

// One table: every style in every state, without and with a caption, as a ratio to the fill.
void Table(const std::shared_ptr<CellTextEngine>& text, std::int32_t w, std::int32_t h, double ratio, int rounds) {
  const std::int32_t dw = gloss::CInt32(w * ratio), dh = gloss::CInt32(h * ratio);
  gloss::Surface fillSurface(dw, dh);
  const auto fill = [&] {
    fillSurface.LineBF(0, 0, dw - 1, dh - 1, 0x336699);
    g_Sink = fillSurface.Pixels().pixels[0];
  };
  double fastestFill = 1e300;
  std::printf("\n%dx%d at ratio %.1f (surface %dx%d)\n        ", w, h, ratio, dw, dh);
  for (const char* name : kStateNames) std::printf(" %8s- %8sc", name, name);
  std::printf("   worst\n");
  for (int style = 0; style <= 6; ++style) {
    std::printf("style %d ", style);
    double worst = 0;
    for (int state = 0; state < 5; ++state) {
      for (int caption = 0; caption < 2; ++caption) {
        gloss::ButtonLook look = bench::LookAtRatio(style, w, h, ratio);
        if (caption) look.Caption = "OK";
        look.Checked = state == 4;
        gloss::Surface surface(dw, dh, text);
        const auto redraw = [&] {
          std::int32_t s = state;
          auto image = gloss::RedrawButton(surface, look, s);
          g_Sink = image->pixels[0];
        };
        const auto [fillNs, redrawNs] = BestNsInTurn(fill, redraw, rounds);
        fastestFill = std::min(fastestFill, fillNs);
        worst = std::max(worst, redrawNs / fillNs);
        std::printf(" %9.2f", redrawNs / fillNs);
      }
    }
    std::printf("   %5.2f\n", worst);
  }
  std::printf("fill: %.0f ns (fastest)\n", fastestFill);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const auto text = std::make_shared<CellTextEngine>();
  const std::int32_t sizes[][2] = {{100, 30}, {400, 120}};
  const double ratios[] = {1.0, 1.5, 2.0};
  std::printf(
      "redraw / fill of the same surface, each redraw timed in turn with the fill;\n"
      "columns: state, then caption (-: none, c: \"OK\")\n");
  for (const bool cached : {true, false}) {
    gloss::RenderContext::ForThisThread().faces.SetEnabled(cached);
    std::printf("\n=== %s\n",
                cached ? "as the control draws (faces kept between redraws)" : "every face drawn (face cache off)");
    for (const auto& size : sizes)
      for (const double ratio : ratios) Table(text, size[0], size[1], ratio, rounds);
  }
  return 0;
}
