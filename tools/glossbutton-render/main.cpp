// glossbutton-render: draws one GlossButton as the program would and writes the image (and
// optionally its window shape), or a gallery of every style and state.
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <iostream>
#include <string>
#include <vector>

#include "ButtonRenderer.h"
#include "Gallery.h"
#include "OutputFiles.h"
#include "RenderOptions.h"
#include "host/qt/QtTextEngine.h"

namespace {

constexpr int kBadArguments = 2;
constexpr int kFailed = 1;

// libpng tells of a broken file on the error stream itself, ahead of the toolkit's answer; what
// it says is caught here and goes into the tool's one line instead.
class CaughtStderr {
 public:
  CaughtStderr() {
    std::fflush(stderr);
    file_ = std::tmpfile();
    saved_ = file_ ? ::dup(STDERR_FILENO) : -1;
    if (saved_ >= 0 && ::dup2(::fileno(file_), STDERR_FILENO) < 0) {
      ::close(saved_);
      saved_ = -1;
    }
  }
  ~CaughtStderr() { Release(); }
  CaughtStderr(const CaughtStderr&) = delete;
  CaughtStderr& operator=(const CaughtStderr&) = delete;

  // Puts the error stream back; returns what was written meanwhile, its lines joined by "; ".
  std::string Release() {
    std::string text;
    if (saved_ >= 0) {
      std::fflush(stderr);
      ::dup2(saved_, STDERR_FILENO);
      ::close(saved_);
      saved_ = -1;
      std::rewind(file_);
      for (int c; (c = std::fgetc(file_)) != EOF;) text += static_cast<char>(c);
    }
    if (file_) std::fclose(file_);
    file_ = nullptr;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    for (std::size_t at; (at = text.find('\n')) != std::string::npos;) text.replace(at, 1, "; ");
    return text;
  }

 private:
  std::FILE* file_ = nullptr;
  int saved_ = -1;
};

gloss::PicturePtr LoadPicture(const std::string& path) {
  CaughtStderr decoder;
  QImageReader reader(QString::fromStdString(path));
  // Checked before decoding, so that an image too large for the toolkit is refused with its
  // size instead of a decoder's complaint.
  const QSize size = reader.size();
  const qint64 limitBytes = qint64{QImageReader::allocationLimit()} * 1024 * 1024;
  if (size.isValid() && limitBytes > 0 && qint64{size.width()} * size.height() * 4 > limitBytes)
    throw render_tool::UsageError("--picture: cannot read '" + path + "': " + std::to_string(size.width()) + " x " +
                                  std::to_string(size.height()) + " pixels is more than the " +
                                  std::to_string(QImageReader::allocationLimit()) + " MB an image may take");
  QImage q;
  const bool read = reader.read(&q) && !q.isNull();
  const std::string said = decoder.Release();
  if (!read)
    throw render_tool::UsageError("--picture: cannot read '" + path + "': " + reader.errorString().toStdString() +
                                  (said.empty() ? std::string() : " (" + said + ")"));
  q = q.convertToFormat(QImage::Format_ARGB32);
  auto picture = std::make_shared<gloss::Picture>();
  picture->image = gloss::Image(q.width(), q.height());
  for (int y = 0; y < q.height(); ++y)
    for (int x = 0; x < q.width(); ++x)
      picture->image
          .pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(q.width()) + static_cast<std::size_t>(x)] =
          q.pixel(x, y);
  // The extent a host reports for a picture at its natural size on a 96 dpi screen.
  picture->widthHimetric = static_cast<std::int32_t>(q.width() * gloss::kHimetricPerPixel + 0.5);
  picture->heightHimetric = static_cast<std::int32_t>(q.height() * gloss::kHimetricPerPixel + 0.5);
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  // Taken before Qt sees them: Qt would swallow options of its own such as --style.
  const std::vector<std::string> args(argv + 1, argv + argc);

  // A command-line tool needs no screen, and stderr is kept for the one-line complaint.
  if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << msg.toStdString() << "\n";
  });
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  if (args.empty() || args[0] == "--help") {
    std::cerr << render_tool::Usage();
    return args.empty() ? kBadArguments : 0;
  }

  render_tool::RenderOptions options;
  gloss::PicturePtr picture;
  try {
    options = render_tool::ParseOptions(args);
    if (options.picture) picture = LoadPicture(*options.picture);
  } catch (const render_tool::UsageError& e) {
    std::cerr << "glossbutton-render: " << e.what() << "\n";
    return kBadArguments;
  }

  host::QtTextEngine text;
  try {
    if (!options.gallery.empty()) {
      render_tool::WriteGallery(options.gallery, text, options.scale);
      return 0;
    }
    const render_tool::RenderedButton button = render_tool::RenderButton(options, text, picture);
    std::vector<std::pair<std::string, render_tool::Bytes>> files;
    files.emplace_back(options.out, render_tool::EncodeImageFor(options.out, button.image));
    if (!options.maskOut.empty())
      files.emplace_back(options.maskOut, render_tool::EncodePbm(button.mask, button.image.width, button.image.height));
    render_tool::WriteAllOrNothing(files);
  } catch (const render_tool::OutputError& e) {
    std::cerr << "glossbutton-render: " << e.what() << "\n";
    return kBadArguments;
  } catch (const std::exception& e) {
    std::cerr << "glossbutton-render: " << e.what() << "\n";
    return kFailed;
  }
  return 0;
}
