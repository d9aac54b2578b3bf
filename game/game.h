#pragma once
// The game: its state, its handlers and the functions they call. The window
// model and the platform effects come from outside, so that the whole game
// runs headless under a virtual clock as well as in the real window.
//
// Game functions take no arguments: the caller sets the fields a function
// reads just before the call (firstPos before PaintFirstBauble, helpReveal
// before ShowHelp).
#include <cstdint>

#include "game/game_state.h"
#include "game/platform.h"
#include "game/random.h"
#include "scene/event_loop.h"
#include "scene/form.h"

namespace game {

class Game : public scene::FormHandlers {
  public:
    Game(scene::Form& form, Platform& platform) : Form1(form), platform_(platform) {}

    GameState state;
    scene::Form& Form1;

    // Start-up, once, while the window is created and before it shows:
    // the introduction box, the flight reset, the track, the first deal and
    // the cover pass. Called by the program entry.
    void FormCreate();

    // The window's handlers, called by the event loop.
    void FormKeyDown(std::uint16_t key) override;  // every key press
    void Timer1Timer() override;                   // the climb, every 36 ms
    void Timer2Timer() override;                   // horizontal drift, every 90 ms
    void Timer3Timer() override;                   // vertical drift, every 91 ms
    void FormClose() override;                     // the window closes

    // Flight: places the plane for the current heading and checks the track.
    void PlacePlane();
    // The referee of the approach; once per tick, after the plane moved.
    void CheckTrack();
    // Ends the flight and switches to the pairs scene.
    void LandingTransition();

    // Pairs: deal, paint, replay, enter.
    void SeedRandom();
    std::int32_t RandomBelow(std::int32_t n);
    void DealBaubles();
    void PaintFirstBauble();   // reads firstPos
    void PaintSecondBauble();  // reads secondPos
    void CoverBauble();        // reads coverPos
    void ShowHelp();           // reads helpReveal
    void PickFirst(std::uint16_t keyCode);
    void PickSecond(std::uint16_t keyCode);
    void SaveSymbolList();

  private:
    void HelpSequence();
    void NewDealSequence();
    void WinScan();
    void hideStar();

    Platform& platform_;
    Random random_;
};

}  // namespace game
