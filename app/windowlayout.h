#pragma once
// The main window's controls, placed as the layout was drawn in twips (15 to a pixel at
// 100 %) and multiplied by the zoom, with fonts fitted to them: at 100 % exactly the
// window as drawn, at each step the same window, larger. With the board's coordinates the
// window grows by a band above and left of the board, which holds them.

#include <QSize>
#include <array>

class QLabel;
class QLineEdit;
class QWidget;

namespace pebblenix {

class BoardWidget;

struct WindowControls {
    QLineEdit* Text1 = nullptr;
    BoardWidget* Frame1 = nullptr;
    std::array<QLabel*, 2> Label1{}; // the captions of the count and of the clock
    QLabel* lblmarbles_On_hand = nullptr;
    QLabel* lbltime = nullptr;
    // View > Show Moves' line below the contact line, hidden until it is turned on: the
    // moves made and the fewest that finish.
    std::array<QLabel*, 2> lblmoves{};
    std::array<QLabel*, 14> coordinates{}; // the column letters a-g, then the row numbers 1-7
};

inline constexpr int kClientWidth = 389;  // 5835 twips at 100 %
inline constexpr int kClientHeight = 289; // 4335 twips at 100 %
inline constexpr int kBoardTwips = 3735;  // the board's side, which Set Up Position draws too

// The client area, without the menu bar, at a zoom in percent, with or without the line of
// moves below and the coordinates' band above and left.
QSize clientSize(int zoom, bool movesLine = false, bool coordinates = false);
bool showsMovesLine(const WindowControls& controls);

// Makes the controls in `client`, in the order that stacks them.
WindowControls buildWindowControls(QWidget* client);
// Sizes `client` and places and fits every control in it at `zoom`, showing the
// coordinates or not.
void layOutWindow(QWidget* client, const WindowControls& controls, int zoom,
                  bool coordinates = false);

} // namespace pebblenix
