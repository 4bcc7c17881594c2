#pragma once
// The GlossButton control without Qt: gloss::GlossButton, its host interface and events.
#include "glossbutton/GlossButton.h"
