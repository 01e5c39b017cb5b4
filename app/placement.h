#pragma once
// The main window's geometry rules. Sizes that are stored or compared are in twips
// (1/1440 inch, 15 to the pixel at 96 dpi; ScreenUnits converts them at the screen's own
// density): the window is 5625 wide and either 4710 high (rolled down) or exactly 900
// (rolled up, only its top row showing).

namespace bw {

inline constexpr int kWindowWidth = 5625;
inline constexpr int kFullHeight = 4710;
inline constexpr int kRolledHeight = 900;

struct WindowBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  friend bool operator==(const WindowBox&, const WindowBox&) = default;
};

// Half the screen minus half the window, rounded with halves to the even neighbour:
// CenteredEdge(15360, 5625) == 4868 (7680 - 2812.5 = 4867.5).
[[nodiscard]] int CenteredEdge(int screen, int window);

// Where the window opens, from the stored edges and height and the screen size (all
// twips). An edge past the screen's far side (strictly greater than the screen's size)
// is centered again; nothing else is corrected, so a negative edge or a window hanging
// off the right or bottom stays. A stored height above 900 opens rolled down, anything
// else (0 and negatives included) rolled up.
[[nodiscard]] WindowBox StartPlacement(int left, int top, int height, int screenWidth,
                                       int screenHeight);

// What the roll button shows for a window of the given height, and the height a click
// moves it to. Only exactly 900 counts as rolled up.
struct RollLook {
  const char* Caption;
  const char* Tooltip;
};
[[nodiscard]] RollLook RollLookFor(int height);
[[nodiscard]] int RolledHeightAfterClick(int height);

}  // namespace bw
