#pragma once
// The GlossButton control without Qt: gloss::GlossButton, what a host serves it (ControlHost,
// TextEngine), its control window (ControlWindow, over the platform's windows), the property bag
// and the value types they name.
#include "glossbutton/ControlWindow.h"
#include "glossbutton/GlossButton.h"
