// A window for the painting tests: a borderless popup at a known screen place, filled
// with one colour above row `stripeTop` and another from there down.
// Usage: paint_host.exe x y width height colour stripeTop stripeColour (colours 0xRRGGBB)
#include <windows.h>

#include <cstdio>

namespace {

COLORREF g_colour;
COLORREF g_stripeColour;
int g_stripeTop;

COLORREF FromRgb(unsigned rgb) { return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  const RECT area{left, top, right, bottom};
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      Fill(dc, 0, 0, client.right, g_stripeTop, g_colour);
      Fill(dc, 0, g_stripeTop, client.right, client.bottom, g_stripeColour);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  int x = 0, y = 0, width = 0, height = 0;
  unsigned colour = 0, stripeColour = 0;
  if (sscanf(commandLine, "%d %d %d %d %x %d %x", &x, &y, &width, &height, &colour, &g_stripeTop, &stripeColour) != 7) {
    return 2;
  }
  g_colour = FromRgb(colour);
  g_stripeColour = FromRgb(stripeColour);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "QexPaintHost";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "QexPaintHost", "host", WS_POPUP | WS_VISIBLE, x, y, width, height,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return 3;
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
