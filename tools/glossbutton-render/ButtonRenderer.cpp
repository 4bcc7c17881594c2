#include "ButtonRenderer.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "glossbutton/ControlHost.h"
#include "glossbutton/GlossButton.h"
#include "glossbutton/PropertyBag.h"
#include "platform/Regions.h"
#include "platform/Window.h"

namespace render_tool {
namespace {

// A host with no toolkit behind it: a platform window for the shape, answers from the options.
class ToolHost final : public gloss::ControlHost {
 public:
  ToolHost(gloss::TextEngine& text, std::int32_t parentBack, double ratio)
      : text_(text),
        parentBack_(parentBack),
        ratio_(ratio),
        window_(platform::CreateWindow(platform::MakeWindowProc(platform::DefWindowProc))) {}
  ~ToolHost() override { platform::DestroyWindow(window_); }

  void SetSize(std::int32_t w, std::int32_t h) {
    width_ = static_cast<float>(w);
    height_ = static_cast<float>(h);
  }
  const std::shared_ptr<const gloss::Image>& Shown() const { return shown_; }

  void PropertyChanged(const std::string&) override {}
  bool AmbientUserMode() const override { return true; }
  gloss::Font AmbientFont() const override { return gloss::Font{}; }  // the design font, Tahoma 9
  std::string InstanceName() const override { return "GlossButton1"; }
  std::int32_t ParentBackColor() const override { return parentBack_; }
  float ScaleWidth() const override { return width_; }
  float ScaleHeight() const override { return height_; }
  double DevicePixelRatio() const override { return ratio_; }
  platform::HWND WindowHandle() const override { return window_; }
  void SetMousePointer(std::int32_t) override {}
  void SetForeColor(std::int32_t) override {}
  void PublishImage(std::shared_ptr<const gloss::Image> image) override { shown_ = std::move(image); }
  gloss::TextEngine& Text() override { return text_; }

 private:
  gloss::TextEngine& text_;
  std::int32_t parentBack_;
  double ratio_;
  platform::HWND window_;
  float width_ = 0;
  float height_ = 0;
  std::shared_ptr<const gloss::Image> shown_;
};

gloss::PropertyBag StoredProperties(const RenderOptions& o, gloss::PicturePtr picture) {
  gloss::PropertyBag bag;
  // A missing caption would read as "GlossButton"; the renderer starts from no caption.
  bag.WriteText("Caption", o.caption.value_or(""));
  bag.WriteInt32("Style", o.style);
  if (o.fontName || o.fontSize) {
    gloss::Font font;
    if (o.fontName) font.name = *o.fontName;
    if (o.fontSize) font.size = *o.fontSize;
    bag.WriteFont("Font", font);
  }
  if (o.fore) bag.WriteInt32("ForeColor", *o.fore);
  if (picture) bag.WritePicture("Picture", picture);
  if (o.alignment) bag.WriteInt32("PictureAlignment", *o.alignment);
  if (o.checked) bag.WriteBoolean("Checked", true);
  if (o.up) bag.WriteInt32("ColorButtonUp", *o.up);
  if (o.hover) bag.WriteInt32("ColorButtonHover", *o.hover);
  if (o.down) bag.WriteInt32("ColorButtonDown", *o.down);
  if (o.bright) bag.WriteInt32("ColorBright", *o.bright);
  if (o.border) bag.WriteInt32("BorderBrightness", *o.border);
  return bag;
}

}  // namespace

RenderedButton RenderButton(const RenderOptions& o, gloss::TextEngine& text, gloss::PicturePtr picture) {
  ToolHost host(text, o.parentBack.value_or(static_cast<std::int32_t>(0x8000000F)), o.scale);
  RenderedButton out;
  {
    gloss::GlossButton button(host);
    button.Initialize();
    button.ReadProperties(StoredProperties(o, std::move(picture)));
    if (o.scheme) button.SetColorScheme(*o.scheme);
    host.SetSize(o.width, o.height);
    button.Resize();
    button.ShowState(o.state);
    if (!host.Shown()) throw std::runtime_error("the button published no image");
    out.image = *host.Shown();

    // The shape in device pixels, over the image: all of it without a region, else the region's
    // rectangles.
    const std::int32_t w = out.image.width, h = out.image.height;
    bool hasRegion = false;
    const std::vector<platform::RECT> rects = platform::GetWindowRgnRects(host.WindowHandle(), &hasRegion);
    out.mask.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), !hasRegion);
    for (const platform::RECT& r : rects) {
      const std::int32_t left = std::max<std::int32_t>(r.left, 0), right = std::min<std::int32_t>(r.right, w);
      for (std::int32_t y = std::max<std::int32_t>(r.top, 0); y < std::min<std::int32_t>(r.bottom, h); ++y) {
        const auto row = out.mask.begin() + static_cast<std::ptrdiff_t>(y) * w;
        if (left < right) std::fill(row + left, row + right, true);
      }
    }
    button.Terminate();
  }
  return out;
}

}  // namespace render_tool
