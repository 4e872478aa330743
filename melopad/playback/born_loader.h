// The dancing figure of the playing window: the picture "BORN" holds two
// poses side by side, and one of them at a time is drawn onto the window,
// its white background left transparent.
#pragma once

#include <windows.h>

#include <vector>

#include "toolkit/UniqueHandle.h"

class born_loader {
 public:
  // Loads the picture, makes the halftone palette of the desktop and notes
  // the transparent colour and the two frames.
  born_loader();

  // Once per playback, before the first frame is drawn: turns the sheet into
  // a bitmap of the display's own format (through the halftone palette on
  // displays of 256 colours or fewer), makes the mask if there is none yet,
  // and makes the frame buffer.
  void Prepare();
  // Draws frame k onto the canvas of a window canvasWidth pixels wide, at its
  // right, 5 pixels from the edge and 10 from the top. Nothing happens before
  // Prepare or after FreeFrameBuffer.
  void DrawFrame(HDC canvas, int canvasWidth, int k);
  // The frame buffer lives for one playback only.
  void FreeFrameBuffer() { FrameBuffer.Reset(); }

  // Where the frames lie in the sheet, in frame order.
  std::vector<RECT> Frames;
  toolkit::UniqueBitmap Sheet;
  toolkit::UniquePalette HalftonePalette;
  // The colour of the sheet's top left pixel, shown as transparent.
  COLORREF TransparentColor;
  // White where the sheet has the transparent colour, black elsewhere.
  toolkit::UniqueBitmap Mask;
  // The size of one frame; a frame is put together here before it is shown,
  // so the window never shows a half-drawn one.
  toolkit::UniqueBitmap FrameBuffer;
};
