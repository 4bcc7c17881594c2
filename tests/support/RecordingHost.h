#pragma once
// A ControlHost for unit tests: answers the ambient questions with settable values and records
// everything the control tells its host.
#include <cstdint>
#include <memory>
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

  // The text engine handed to the control: the fixed-cell one unless a test points elsewhere.
  testing::FixedTextEngine fixedText;
  TextEngine* text = &fixedText;

  void PropertyChanged(const std::string& name) override { changedNames.push_back(name); }
  bool AmbientUserMode() const override { return userMode; }
  Font AmbientFont() const override { return ambientFont; }
  std::string InstanceName() const override { return instanceName; }
  std::int32_t ParentBackColor() const override { return parentBackColor; }
  float ScaleWidth() const override { return scaleWidth; }
  float ScaleHeight() const override { return scaleHeight; }
  platform::HWND WindowHandle() const override { return windowHandle; }
  void SetMousePointer(std::int32_t kind) override { mousePointers.push_back(kind); }
  void SetForeColor(std::int32_t oleColor) override { foreColors.push_back(oleColor); }
  void PublishImage(std::shared_ptr<const Image> image) override { publishedImages.push_back(std::move(image)); }

  TextEngine& Text() override { return *text; }

  void ClearRecords();

 private:
  platform::HWND ownWindow_ = 0;
};

}  // namespace gloss::test
