#pragma once

#include <memory>

#include "game/BoardListener.h"
#include "game/BoardRules.h"
#include "game/RoundRecord.h"
#include "media/AssetCatalogue.h"
#include "media/Bitmap.h"
#include "media/SoundEffect.h"
#include "ui/Widget.h"

class NumberDisplay;
class SquareList;

// Shared by every game screen of the run: which of its first two frames the special block
// shows next.
extern bool blinkPhase;

// Screen 2: a game in play.  The 8 × 8 field in the middle, the time bar above it, six
// counters in the side columns, the sound, full-screen, exit and logo buttons, the special
// block, the rising points popup and, once the time is up, the end-of-game panel on top.
// The board rules own the play; this screen drives them each tick, turns the mouse and the
// hint key into their moves, and shows, sounds and ends what they report.
class GameScreen : public Widget, public BoardListener {
public:
    enum Child {
        Background = 0,
        LevelDisplay = 1,
        ScoreDisplay = 2,
        RemovedDisplay = 3,
        TargetDisplay = 4,
        ComboDisplay = 5,
        ChainDisplay = 6,
        SoundButton = 7,
        FullScreenButton = 8,
        ExitButton = 9,
        LogoButton = 10,
        SpecialBlock = 11,
        FirstCell = 12,
        PointsPopup = FirstCell + BoardRules::cellCount,
        TouchControls = PointsPopup + 1,
        Panel = TouchControls + 1,
    };
    static constexpr int childTotal = BoardRules::cellCount + 15;
    static_assert(Panel == childTotal - 1, "the panel takes the last slot");

    // Layout (screen pixels).
    static constexpr int topRowY = 50;
    static constexpr int timeBarX = 200;
    static constexpr int timeBarMaxWidth = 400;
    static constexpr int timeBarHeight = 10;
    static constexpr int leftColumnLeft = 20;
    static constexpr int leftColumnRight = 140;
    static constexpr int rightColumnLeft = 660;
    static constexpr int rightColumnRight = 780;
    static constexpr int removedRowY = 130;
    static constexpr int targetRowY = 210;
    static constexpr int comboRowY = 470;
    static constexpr int chainRowY = 550;
    static constexpr int specialBlockY = 160;
    // The controls panel as a finger plays, over the mouse's while the game is touched.
    static constexpr int touchControlsX = 20;
    static constexpr int touchControlsY = 280;

    // The end-of-game box.
    static constexpr int panelX = 200;
    static constexpr int panelY = 220;
    static constexpr int panelWidth = 400;
    static constexpr int panelHeight = 260;
    static constexpr int panelFillColour = 0x000022;
    static constexpr int panelBorderColour = 0xFF9900;
    static constexpr int panelBorderWidth = 2;

    static constexpr int hintColour = 0xFF0000;
    static constexpr int cursorColour = 0xFFFFFF;

    // The maker's web page, opened by the logo button.
    static constexpr const char* makerWebPage = "https://www.harrowdine.example/kelvary/";

    GameScreen(Widget* parent, int x, int y);
    ~GameScreen() override;

    void update() override;
    bool draw() override;
    void handleEvent(int eventCode) override;
    void onChildFinished(Widget* child, int result) override;
    virtual void setUp();

    // What the board rules report.
    void counterChanged(BoardCounter counter, int value) override;
    void showPointsPopup() override;
    void hidePointsPopup() override;
    void playSound(BoardSound sound) override;
    void gameOver(int finalScore) override;

    bool drawTimeBar();
    void drawCursor();
    void drawOutlines(const SquareList& list, int count, int penWidth, int colour);
    void floatPointsPopup();
    void blinkSpecial();
    // Index of the button (children 7 to 10) containing the point, relative to the screen; -1
    // if none.
    int buttonAt(int px, int py);
    void highlightButton(int index);
    void unhighlightButtons();
    void pressButton(int index);
    // Shows the controls panel of the pointer's last kind: a finger's or the mouse's.
    void showControlsFor(bool touch);
    // The turn a key makes (1 counter-clockwise: Q, Enter, pad A; 2 clockwise: E, pad B), 0 for
    // other keys.
    static int turnOfKey(int key);
    // Moves the group (gx, gy) one step for an arrow key, or to the middle of the field from
    // no group; false for other keys.
    static bool stepFrame(int key, int& gx, int& gy);
    void handleKey();
    void openPanel();

    // A click on the field: the turn goes to the rules and, if they take it, into the record.
    void makeTurn(int cx, int cy, bool counterClockwise);
    // Plays a kept round's turns again, without a sound, then waits for a click or a key.
    void resumeRound(const RoundRecord& kept);
    // Hands the record to the platform where it keeps rounds; an empty one once the game is over.
    void keepRound();

    BoardRules& getRules() { return *rules; }
    const RoundRecord& getRound() const { return round; }
    bool isPaused() const { return paused; }
    Widget* getPanel() const { return getChild(Panel); }
    int getHoverX() const { return hoverX; }
    int getHoverY() const { return hoverY; }

private:
    NumberDisplay* display(int index) const;
    SoundEffect* soundFor(BoardSound sound) const;

    // The pictures are described here and loaded by `setUp`; the screen owns them, its
    // widgets only borrow them.
    Bitmap fieldBitmap{pictures::field};
    Bitmap blocksBitmap{pictures::blocks};
    Bitmap digitsBitmap{pictures::digits};
    Bitmap bigDigitsBitmap{pictures::bigDigits};
    Bitmap soundBitmap{pictures::soundSwitch};
    Bitmap fullScreenBitmap{pictures::fullScreenSwitch};
    Bitmap exitBitmap{pictures::gameExit};
    Bitmap logoButtonBitmap{pictures::logoButton};
    Bitmap touchControlsBitmap{pictures::touchControls};

    std::unique_ptr<SoundEffect> firstChainSound;
    std::unique_ptr<SoundEffect> chainSound;
    std::unique_ptr<SoundEffect> longChainSound;
    std::unique_ptr<SoundEffect> specialSound;
    std::unique_ptr<SoundEffect> bigClearSound;
    std::unique_ptr<SoundEffect> timeUpSound;

    std::unique_ptr<BoardRules> rules;
    RoundRecord round;
    bool replaying = false;  // a kept round's turns are being played again
    bool paused = false;     // a resumed round waits for the player
    int hoverX = -1;
    int hoverY = -1;
    bool touchStrayed = false;  // the finger now down has been off the field
};
