#pragma once
/// \file
/// What the hosting toolkit does for a GlossButton: notifications by name, ambient answers,
/// the instance's identity, and the sinks for what the control shows (its image, its pointer).
#include <cstdint>
#include <memory>
#include <string>

#include "glossbutton/MousePointer.h"
#include "glossbutton/render/Image.h"
#include "glossbutton/render/TextEngine.h"
#include "platform/WinTypes.h"

namespace gloss {

/// What the hosting toolkit does for a GlossButton: implemented once per host (the Qt widget, the
/// Win32 child window, a program of its own) and handed to the control, which calls it back.
class ControlHost {
 public:
  virtual ~ControlHost() = default;  ///< Hosts are deleted through this interface.

  /// Marks the host's stored design as modified; name is the property-changed name.
  virtual void PropertyChanged(const std::string& name) = 0;

  /// Ambient properties.
  ///@{
  virtual bool AmbientUserMode() const = 0;
  virtual Font AmbientFont() const = 0;
  ///@}

  /// The instance's name in its host ("GlossButton1") and the control's class name.
  ///@{
  virtual std::string InstanceName() const = 0;
  virtual std::string ClassName() const { return "GlossButton"; }
  ///@}

  /// Parent.BackColor, an OLE colour (may be a system colour). A host without one may throw: the
  /// control then draws without its background.
  virtual std::int32_t ParentBackColor() const = 0;

  /// The control's inner size in pixels (ScaleWidth, ScaleHeight).
  ///@{
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;
  ///@}

  /// Device pixels per pixel of the control's screen; the control draws its face and builds its
  /// window shape at that resolution.
  virtual double DevicePixelRatio() const { return 1.0; }

  /// HIMETRIC to pixels at the screen's resolution (ScaleX / ScaleY).
  ///@{
  virtual double ScaleX(double himetric) const { return himetric / kHimetricPerPixel; }
  virtual double ScaleY(double himetric) const { return himetric / kHimetricPerPixel; }
  ///@}

  /// The control's own window.
  virtual platform::HWND WindowHandle() const = 0;

  /// The control's own mouse pointer kind (kPointerArrow, kPointerCustom) and foreground colour.
  ///@{
  virtual void SetMousePointer(std::int32_t kind) = 0;
  virtual void SetForeColor(std::int32_t oleColor) = 0;
  ///@}

  /// The image the control displays: a copy of the drawing surface, shared, never changed after;
  /// its size is in device pixels, as is the window region.
  virtual void PublishImage(std::shared_ptr<const Image> image) = 0;

  /// Measures and prints the caption on the control's drawing surface; lives as long as the host
  /// and is asked for once, when the control is created.
  /// The window region needs nothing here: the control hands it to WindowHandle() through
  /// platform::SetWindowRgn, and the host follows it with platform::SetWindowRgnChangedHandler.
  virtual TextEngine& Text() = 0;
};

}  // namespace gloss
