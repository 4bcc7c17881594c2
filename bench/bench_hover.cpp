// Hover to new face: from the pointer's Qt event reaching the ControlSite of one of the program's
// 25 x 25 Style 3 window buttons (stored properties from the program's layout) to the new face
// published. Iterations alternate entering (enter + move inside) and leaving (leave, then the
// posted WM_MOUSELEAVE the site delivers from the event loop), so each one changes the face.
// Runs under QT_QPA_PLATFORM=offscreen (set here when the environment names no platform).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEnterEvent>
#include <QFile>
#include <QMouseEvent>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <string>

#include "host/qt/ControlSite.h"
#include "host/qt/HostServices.h"
#include "app/layout/Layout.h"
#include "app/layout/LayoutBag.h"
#include "host/qt/QtTextEngine.h"

namespace {

struct HoverRig {
  std::unique_ptr<QWidget> form;
  host::ControlSite* site = nullptr;
  std::size_t probe = 0;  // a pixel that differs between the up and the hover face
  std::uint32_t upPixel = 0, hoverPixel = 0;
};

const QPointF kInside(12.0, 12.0);

void Enter(host::ControlSite* site) {
  QEnterEvent enter(kInside, kInside, site->mapToGlobal(kInside));
  QCoreApplication::sendEvent(site, &enter);
  QMouseEvent move(QEvent::MouseMove, kInside, kInside, site->mapToGlobal(kInside), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(site, &move);
}

void Leave(host::ControlSite* site) {
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(site, &leave);
  // The site hands the leave message over through the event loop; this is that turn of it.
  QCoreApplication::sendPostedEvents(site, QEvent::MetaCall);
}

std::uint32_t FacePixel(const host::ControlSite* site, std::size_t i) {
  const auto image = site->PublishedImage();
  return image && i < image->pixels.size() ? image->pixels[i] : 0;
}

// The form and the button as the program builds them, shown; nullptr with a message on failure.
std::unique_ptr<HoverRig> MakeRig(const std::string& name, std::string* error) {
  QFile file(QStringLiteral(KORVANE_LAYOUT_FILE));
  if (!file.open(QIODevice::ReadOnly)) {
    *error = "cannot read " KORVANE_LAYOUT_FILE;
    return nullptr;
  }
  const app::FormLayout layout = app::ParseLayout(file.readAll());
  const app::ControlLayout* c = layout.Find(name);
  if (!c || c->kind != app::ControlKind::GlossButton) {
    *error = "the layout has no button " + name;
    return nullptr;
  }
  auto rig = std::make_unique<HoverRig>();
  rig->form = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
  rig->form->setFixedSize(layout.clientPixels.width, layout.clientPixels.height);
  rig->site = new host::ControlSite(rig->form.get());
  rig->site->setObjectName(QString::fromStdString(name));
  rig->site->SetUserMode(true);
  rig->site->setGeometry(c->pixels.left, c->pixels.top, c->pixels.width, c->pixels.height);
  rig->site->ReadProperties(app::MakePropertyBag(c->properties));
  rig->form->show();
  QCoreApplication::processEvents();

  Leave(rig->site);
  const auto up = rig->site->PublishedImage();
  Enter(rig->site);
  const auto hover = rig->site->PublishedImage();
  if (!up || !hover || up->pixels.size() != hover->pixels.size()) {
    *error = "the button published no face";
    return nullptr;
  }
  const gloss::Image upFace = *up;  // the surface may be reused: keep a copy
  Leave(rig->site);
  const auto& now = rig->site->PublishedImage()->pixels;
  for (std::size_t i = 0; i < now.size(); ++i) {
    if (now[i] != hover->pixels[i] && now[i] == upFace.pixels[i]) {
      rig->probe = i;
      rig->upPixel = upFace.pixels[i];
      rig->hoverPixel = hover->pixels[i];
      return rig;
    }
  }
  *error = "entering and leaving do not change the face";
  return nullptr;
}

void BM_HoverToFace(benchmark::State& state, const std::string& name) {
  std::string error;
  std::unique_ptr<HoverRig> rig;
  try {
    rig = MakeRig(name, &error);
  } catch (const std::exception& e) {
    error = e.what();
  }
  if (!rig) {
    state.SkipWithError(error.c_str());
    return;
  }
  host::ControlSite* site = rig->site;
  bool over = false;
  std::int64_t wrong = 0;
  std::int64_t n = 0;
  for (auto _ : state) {
    if (over)
      Leave(site);
    else
      Enter(site);
    over = !over;
    wrong += FacePixel(site, rig->probe) != (over ? rig->hoverPixel : rig->upPixel);
    // The event loop's other work (the repaint the new face asked for) runs now and then, outside
    // the measurement: left waiting, it would make every later delivery walk a longer queue.
    if ((++n & 63) == 0) {
      state.PauseTiming();
      QCoreApplication::processEvents();
      state.ResumeTiming();
    }
  }
  if (wrong) state.SkipWithError("an iteration did not publish the expected face");
  QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  host::HostServices::Install();
  host::QtTextEngine::SongFace();
  // The green minimise button, and the red close button beside it.
  benchmark::RegisterBenchmark("BM_HoverToFace/GlossButton1", BM_HoverToFace, std::string("GlossButton1"));
  benchmark::RegisterBenchmark("BM_HoverToFace/GlossButton3", BM_HoverToFace, std::string("GlossButton3"));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
