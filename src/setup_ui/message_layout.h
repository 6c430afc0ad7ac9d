// Geometry of setup's message box: it grows with its text and spreads its one to three buttons
// evenly. Pure, in screen pixels; the dialog measures, this decides, the dialog moves.
#pragma once

#include <array>

namespace sk {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

struct MessageLayoutInput {
  Rect dialog;                    // the box's window rectangle as the template made it
  Rect text;                      // the text control's window rectangle
  std::array<Rect, 3> buttons;    // the buttons' window rectangles (their sizes count)
  int lines = 1;                  // the text control's line count at its template width
  int longestLine = 0;            // bytes in its longest line, at most 255; -1 without lines
  int charWidth = 0, charHeight = 0;  // extent of "#" on the text control
  int buttonCount = 1;            // 1 to 3
  int screenWidth = 0;
};

struct MessageLayout {
  Rect dialog;
  Rect text;
  std::array<Rect, 3> buttons;  // buttons past buttonCount keep their rectangles
};

MessageLayout LayOutMessageBox(const MessageLayoutInput& in);

}  // namespace sk
