#pragma once
// The program's icon: a small keypad. The window shows it, and the document
// type registration installs it into the user's icon theme.

#include <QIcon>
#include <QImage>
#include <array>

// The sizes, in pixels, at which the icon is drawn and installed.
constexpr std::array<int, 4> kProgramIconSizesPx = {32, 48, 64, 128};

// The icon drawn square at `sizePx`.
QImage ProgramIconImage(int sizePx);
// The icon at every size of kProgramIconSizesPx.
QIcon ProgramIcon();
