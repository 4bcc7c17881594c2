#include "app/ShareContext.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QThread>
#include <thread>

// Qt's own setter and getter of the global share context (exported by Qt GUI, declared in its
// private headers).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace app {

namespace {

std::thread g_Maker;
QOpenGLContext* g_Made = nullptr;

}  // namespace

void StartShareContext() {
  if (g_Maker.joinable() || qt_gl_global_share_context() || !qGuiApp) return;
  QThread* gui = qGuiApp->thread();
  // Made but never made current here: the window system's connection is thread-safe for that, and
  // the context is used on the GUI thread only, to which it is handed over.
  g_Maker = std::thread([gui] {
    auto* context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    context->moveToThread(gui);
    g_Made = context;
  });
}

void FinishShareContext() {
  if (!g_Maker.joinable()) return;
  g_Maker.join();
  if (!qt_gl_global_share_context()) qt_gl_set_global_share_context(g_Made);
  // Kept to the end of the program: the engine shares with it until then.
}

}  // namespace app
