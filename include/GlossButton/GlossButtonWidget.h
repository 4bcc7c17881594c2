#pragma once
// host::GlossButtonWidget: the GlossButton control as a Qt widget.
#include "host/qt/GlossButtonWidget.h"
