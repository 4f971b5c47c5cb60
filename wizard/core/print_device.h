// What the alignment test job needs of the engraver's printer: a device context made from
// the driver settings block, a document of pages, pass-through escapes and two kinds of
// blits. The Windows layer implements it with gdi32; tests and the simulated driver record.
#pragma once
#include <cstdint>

class PrintDevice {
 public:
  virtual ~PrintDevice() = default;
  // CreateDCA with no driver name, the device name, no output and the block as settings.
  virtual void CreateDC(const char* deviceName, const uint8_t* settings) = 0;
  // StartDocA with the document name; its result (0 or less is a failure).
  virtual int StartDoc(const char* documentName) = 0;
  // ExtEscape with no output buffer; the result is not looked at.
  virtual void Escape(int escape, const uint8_t* input, int inputSize) = 0;
  // StartPage's result (0 or less is a failure).
  virtual int StartPage() = 0;
  virtual void EndPage() = 0;
  virtual void EndDoc() = 0;
  virtual void DeleteDC() = 0;
  // Loads the program's bitmap resource and copies it (SRCCOPY) at its own size to (x, y).
  virtual void DrawBitmapResource(int resourceId, int x, int y) = 0;
  // BitBlt with no source and BLACKNESS.
  virtual void FillBlack(int x, int y, int width, int height) = 0;
};
