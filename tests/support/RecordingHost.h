#pragma once
// A ControlHost for unit tests: answers the ambient questions with settable values and records
// everything the control tells its host.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "glossbutton/ControlHost.h"
#include "tests/support/FixedTextEngine.h"

namespace gloss::test {

class RecordingHost : public ControlHost {
 public:
  // Owns a real platform window (default procedure: DefWindowProc), so that regions and hooks
  // land somewhere; it is destroyed with the host.
  RecordingHost();
  ~RecordingHost() override;
  RecordingHost(const RecordingHost&) = delete;
  RecordingHost& operator=(const RecordingHost&) = delete;

  // Answers (settable).
  bool userMode = true;
  Font ambientFont{"MS Sans Serif", 8.25, 400, 0, false, false, false};
  std::string instanceName = "GlossButton1";
  std::int32_t parentBackColor = 0x8000000F;
  float scaleWidth = 100.0f;
  float scaleHeight = 30.0f;
  platform::HWND windowHandle = 0;

  // Records.
  std::vector<std::string> changedNames;
  std::vector<std::int32_t> mousePointers;
  std::vector<std::int32_t> foreColors;
  std::vector<std::shared_ptr<const Image>> publishedImages;

  // The text engine the control draws with: the fixed-cell one unless a test points elsewhere,
  // also after the control took the host's engine.
  testing::FixedTextEngine fixedText;
  TextEngine* text = &fixedText;
  // Parent.BackColor throws, as from a host that has none.
  bool parentBackColorThrows = false;

  void PropertyChanged(const std::string& name) override { changedNames.push_back(name); }
  bool AmbientUserMode() const override { return userMode; }
  Font AmbientFont() const override { return ambientFont; }
  std::string InstanceName() const override { return instanceName; }
  std::int32_t ParentBackColor() const override {
    if (parentBackColorThrows) throw std::runtime_error("no BackColor");
    return parentBackColor;
  }
  float ScaleWidth() const override { return scaleWidth; }
  float ScaleHeight() const override { return scaleHeight; }
  platform::HWND WindowHandle() const override { return windowHandle; }
  void SetMousePointer(std::int32_t kind) override { mousePointers.push_back(kind); }
  void SetForeColor(std::int32_t oleColor) override { foreColors.push_back(oleColor); }
  void PublishImage(std::shared_ptr<const Image> image) override { publishedImages.push_back(std::move(image)); }

  TextEngine& Text() override { return forwarder_; }

  void ClearRecords();

 private:
  // The control keeps the engine it is handed for its life; this one follows `text`.
  class Forwarder : public TextEngine {
   public:
    explicit Forwarder(TextEngine* const& to) : to_(to) {}
    double TextWidth(const Font& font, const std::string& s) override { return to_->TextWidth(font, s); }
    double TextHeight(const Font& font, const std::string& s) override { return to_->TextHeight(font, s); }
    void Print(PixelView target, double x, double y, const Font& font, std::uint32_t color,
               const std::string& s) override {
      to_->Print(target, x, y, font, color, s);
    }

   private:
    TextEngine* const& to_;
  };
  Forwarder forwarder_{text};
  platform::HWND ownWindow_ = 0;
};

}  // namespace gloss::test
