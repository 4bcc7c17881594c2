#pragma once
// The OpenGL context the web engine's views share their pictures through (Qt's global share
// context). Qt makes it in QApplication's constructor when asked with Qt::AA_ShareOpenGLContexts;
// under a software renderer that takes about as long as putting up a whole plain window. The
// program makes it on a thread of its own instead while the window is being built, and hands it to
// Qt before the window is first shown: the window's own OpenGL context (see Form1's surface keeper)
// must share with it, so it cannot wait for the engine.
namespace app {

// Starts making the context; nothing when Qt has one already (a program that asked for it before
// its application, or links the engine, whose libraries ask). Needs the QGuiApplication.
void StartShareContext();
// Waits for the context started above and makes it Qt's global share context; nothing when none
// was started. Before the first window that draws through OpenGL is shown.
void FinishShareContext();

}  // namespace app
