#pragma once
// The window model: the 45 components of the game's window, in creation order,
// as plain data. The game changes a few properties (positions, visibility,
// captions, brushes, timer switches); the renderer walks the list in this
// order, which is also the painting order, later over earlier.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "assets/picture_id.h"

namespace scene {

// 0x00BBGGRR, the colour layout of the game.
using Colour = std::uint32_t;

inline constexpr Colour clBlack = 0x00000000;
inline constexpr Colour clWhite = 0x00FFFFFF;
inline constexpr Colour clRed = 0x000000FF;
inline constexpr Colour clGreen = 0x00008000;
inline constexpr Colour clSilver = 0x00C0C0C0;

enum class Kind { Picture, Label, Shape, Timer };

// The brush styles in their traditional order; the game uses Solid, Clear and DiagCross.
enum class BrushStyle {
    Solid = 0,
    Clear = 1,
    Horizontal = 2,
    Vertical = 3,
    FDiagonal = 4,
    BDiagonal = 5,
    Cross = 6,
    DiagCross = 7,
};

enum class Alignment { Left, Center };

// The two typefaces of the labels; the renderer maps them to metric-compatible fonts.
enum class Face { TimesNewRoman, MsSansSerif };

struct Font {
    Face face = Face::MsSansSerif;
    int height = 16;  // em height in pixels
    Colour colour = clWhite;
    bool bold = false;
    bool italic = false;

    bool operator==(const Font&) const = default;
};

struct Component {
    std::string_view name;
    Kind kind = Kind::Picture;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;

    // Pictures.
    assets::Picture picture = assets::Picture::Background;
    bool stretch = false;

    // Labels: caption in Windows-1252.
    std::string caption;
    Alignment alignment = Alignment::Left;
    bool wordWrap = false;
    Colour colour = clBlack;
    Font font;

    // Shapes (always circles).
    Colour penColour = clWhite;
    Colour brushColour = clWhite;
    BrushStyle brushStyle = BrushStyle::Clear;

    // Timers: enabled, and how often they have been switched on, so that the
    // event loop can tell a fresh start (new rhythm) from a timer left running.
    int interval = 0;
    bool enabled = false;
    std::uint32_t starts = 0;

    bool operator==(const Component&) const = default;
};

// Switches a timer on or off. Enabling a running timer changes nothing: it keeps its rhythm.
void setEnabled(Component& timer, bool enabled);

inline constexpr int kComponentCount = 45;
using Components = std::array<Component, kComponentCount>;

// The window Form1 and its components as laid out at start.
class Form {
  public:
    static constexpr std::string_view kCaption = "von Tovald Brennhag";
    static constexpr int kWidth = 622;  // outer size, frame included
    static constexpr int kHeight = 541;
    static constexpr int kClientWidth = 596;  // smallest client area that shows every component
    static constexpr int kClientHeight = 505;
    static constexpr Colour kColour = clBlack;

    Form();

    Components components;

    Component& Image1() { return components[0]; }
    Component& ImageS() { return components[1]; }
    Component& Label1() { return components[2]; }
    Component& Image3() { return components[3]; }
    Component& ImageL() { return components[4]; }
    Component& ImageR() { return components[5]; }
    Component& Image2() { return components[6]; }
    Component& Label2() { return components[39]; }
    Component& Label3() { return components[40]; }
    Component& Label4() { return components[41]; }
    Component& Timer1() { return components[42]; }
    Component& Timer2() { return components[43]; }
    Component& Timer3() { return components[44]; }
    // Shape n, 1 to 32; Shape(k + 1) shows bauble position k.
    Component& Shape(int n);

    const Component& Shape(int n) const;
    // The component called `name`; asserts that it exists.
    Component& byName(std::string_view name);
    const Component& byName(std::string_view name) const;

  private:
    std::array<int, 33> shapeIndex_{};
};

}  // namespace scene
