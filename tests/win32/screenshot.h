// What the screen shows of a window (frame included), captured at one moment: its pixels
// for a test to check, and a PNG file in the build folder for people to look at. The test
// program must live in <build>/tests/<folder>.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <vector>

namespace natalo::testing {

class Screenshot {
  public:
    // The window as the screen shows it now (the desktop window gives the whole screen).
    explicit Screenshot(HWND window);

    // Points and rectangles are in window coordinates: the window's top-left corner is 0,0.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // CLR_INVALID outside the picture.
    COLORREF Pixel(POINT point) const;
    // A point of the window's client area, the client area, and where another window (a
    // child, a menu) lies.
    POINT FromClient(int x, int y) const;
    RECT ClientArea() const { return clientArea_; }
    RECT RectOf(HWND other) const;

    // Whether red, green and blue each lie within `tolerance` of the colour; when not, the
    // message says what the screen showed.
    ::testing::AssertionResult HasColourAt(POINT point, COLORREF colour, int tolerance = 0) const;
    // Whether some pixel of the rectangle has the colour.
    ::testing::AssertionResult HasColourIn(const RECT& rect, COLORREF colour,
                                           int tolerance = 0) const;

    bool Save(const char* fileName) const;

  private:
    POINT windowCorner_{};  // on the screen
    RECT clientArea_{};
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;  // 0x00RRGGBB, top row first
};

// Whether two icons draw the same picture at `size` pixels (two loads of one image are
// different handles).
bool SameIconPicture(HICON a, HICON b, int size = 32);

// The first failed of several checks, or success.
::testing::AssertionResult AllOf(std::initializer_list<::testing::AssertionResult> checks);

using ScreenCheck = std::function<::testing::AssertionResult(const Screenshot&)>;

// Captures the window until the check passes or the time is up, calling `serve` between
// captures (a window of this thread needs its messages handled to paint); then saves the
// last picture as `fileName` (unless null) and returns the last check's verdict.
::testing::AssertionResult ShowsOnScreen(
    HWND window, const char* fileName, const ScreenCheck& check,
    const std::function<void()>& serve = {},
    std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace natalo::testing
