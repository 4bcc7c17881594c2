#pragma once
// The fonts the stored design names, made available on this system, and our font value as a Qt
// font. Needs a QGuiApplication.
#include <QFont>
#include <QString>

#include "glossbutton/render/Image.h"

namespace host {

// Loads the Tahoma shipped for Wine when fontconfig lacks it and maps the Song face names onto
// the installed Ming face; does its work once per process.
void SetUpFontsOnce();

// The Ming face standing in for Song, or empty when none is installed.
QString SongFace();

// Points at 96 dots per inch become whole pixels, Windows weights map straight onto Qt's.
QFont ToQFont(const gloss::Font& font);

}  // namespace host
