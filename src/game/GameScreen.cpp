#include "game/GameScreen.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "app/Application.h"
#include "screens/GameOverPanel.h"
#include "game/Block.h"
#include "ui/NumberDisplay.h"

bool blinkPhase = false;

namespace {

constexpr int soundBufferSeconds = 2;

}  // namespace

GameScreen::GameScreen(Widget* parentWidget, int px, int py)
{
    Widget::init(parentWidget, px, py, nullptr);
    setUp();
}

// The rules and their record lists go first, then the pictures and sounds; the widgets go
// last, with the children array.
GameScreen::~GameScreen()
{
    // A round left through the exit button (or an ended program) is over: nothing is kept.
    if (theApp && theApp->instance && theApp->instance->keepsRounds())
        theApp->instance->keepRound({});
    rules.reset();
    for (auto* sound : {&firstChainSound, &chainSound, &longChainSound, &specialSound, &bigClearSound, &timeUpSound})
        sound->reset();
}

void GameScreen::setUp()
{
    const int screenWidth = theApp ? theApp->screenWidth : 800;
    const int screenHeight = theApp ? theApp->screenHeight : 600;
    setSize(screenWidth, screenHeight);

    // The rules' constants, starting counters and the two record lists (room for 40 each).
    rules = std::make_unique<BoardRules>(*this, *this, &blocksBitmap, blocksBitmap.getColumns());
    hoverX = -1;
    hoverY = -1;

    // Every game deals from the time of day, unless a round kept by an earlier run comes back.
    std::optional<RoundRecord> kept;
    std::uint32_t seed = 1;
    if (theApp && theApp->instance) {
        if (theApp->instance->keepsRounds())
            kept = RoundRecord::parse(theApp->instance->getKeptRound());
        seed = kept ? kept->getSeed() : static_cast<std::uint32_t>(theApp->instance->getSecondsOfDay());
    }
    rules->getRandom().seed(seed);
    round = RoundRecord(seed);

    for (Bitmap* picture : {&fieldBitmap, &blocksBitmap, &digitsBitmap, &bigDigitsBitmap, &soundBitmap,
                            &fullScreenBitmap, &exitBitmap, &logoButtonBitmap, &touchControlsBitmap})
        picture->createSurface();
    firstChainSound = std::make_unique<SoundEffect>(boardSoundFile(BoardSound::FirstChain), false, soundBufferSeconds);
    chainSound = std::make_unique<SoundEffect>(boardSoundFile(BoardSound::Chain), false, soundBufferSeconds);
    longChainSound = std::make_unique<SoundEffect>(boardSoundFile(BoardSound::LongChain), false, soundBufferSeconds);
    specialSound = std::make_unique<SoundEffect>(boardSoundFile(BoardSound::Special), false, soundBufferSeconds);
    bigClearSound = std::make_unique<SoundEffect>(boardSoundFile(BoardSound::BigClear), false, soundBufferSeconds);
    timeUpSound = std::make_unique<SoundEffect>(boardSoundFile(BoardSound::TimeUp), false, soundBufferSeconds);
    for (auto* sound : {firstChainSound.get(), chainSound.get(), longChainSound.get(), specialSound.get(),
                        bigClearSound.get(), timeUpSound.get()})
        sound->createBuffer();

    allocateChildren(childTotal);
    replaceChild(Background, std::make_unique<Widget>(this, 0, 0, &fieldBitmap));

    // The counters hide leading zeros and stay centred in their column.
    auto counter = [this](Bitmap* strip, int px, int py, int digits, int value, int left, int right) {
        return std::make_unique<NumberDisplay>(this, px, py, strip, digits, value, true, NumberDisplay::AlignCentre,
                                               left, right);
    };
    replaceChild(LevelDisplay, counter(&digitsBitmap, leftColumnLeft, topRowY, 3, rules->getLevel(), leftColumnLeft,
                                       leftColumnRight));
    replaceChild(ScoreDisplay, counter(&digitsBitmap, rightColumnLeft, topRowY, 8, rules->getScore(), rightColumnLeft,
                                       rightColumnRight));
    replaceChild(RemovedDisplay, counter(&digitsBitmap, leftColumnLeft, removedRowY, 4, rules->getRemovedCount(),
                                         leftColumnLeft, leftColumnRight));
    replaceChild(TargetDisplay, counter(&digitsBitmap, leftColumnLeft, targetRowY, 4, rules->getLevelTarget(),
                                        leftColumnLeft, leftColumnRight));
    replaceChild(ComboDisplay, counter(&digitsBitmap, leftColumnLeft, comboRowY, 3, rules->getCombo(), leftColumnLeft,
                                       leftColumnRight));
    replaceChild(ChainDisplay, counter(&digitsBitmap, leftColumnLeft, chainRowY, 3, rules->getChain(), leftColumnLeft,
                                       leftColumnRight));

    auto popup = counter(&bigDigitsBitmap, 0, 0, 8, 0, 0, 0);
    popup->setAlpha(0);
    replaceChild(PointsPopup, std::move(popup));
    replaceChild(TouchControls, std::make_unique<Widget>(this, touchControlsX, touchControlsY, &touchControlsBitmap));
    showControlsFor(theApp && theApp->pointerByTouch);

    const bool soundOn = !theApp || theApp->hasSound;
    const bool fullScreenOn = theApp && theApp->fullScreen;
    auto soundButton = std::make_unique<Widget>(this, 664, 441, &soundBitmap);
    soundButton->setFrame(soundOn ? 0 : 2);
    replaceChild(SoundButton, std::move(soundButton));
    auto fullScreenButton = std::make_unique<Widget>(this, 670, 469, &fullScreenBitmap);
    fullScreenButton->setFrame(fullScreenOn ? 2 : 0);
    replaceChild(FullScreenButton, std::move(fullScreenButton));
    replaceChild(ExitButton, std::make_unique<Widget>(this, 670, 499, &exitBitmap));
    replaceChild(LogoButton, std::make_unique<Widget>(this, 651, 546, &logoButtonBitmap));

    // The special block (hidden), centred in the right column, then the 64 grid blocks in
    // cell order, each drawing its kind.
    const int specialX = rightColumnLeft + (rightColumnRight - BoardRules::blockWidth - rightColumnLeft) / 2;
    rules->createBlocks(SpecialBlock, specialX, specialBlockY, FirstCell);
    if (kept)
        resumeRound(*kept);
}

void GameScreen::makeTurn(int cx, int cy, bool counterClockwise)
{
    const bool wasMoving = rules->isMoving();
    rules->makeMove(cx, cy, counterClockwise);
    if (!wasMoving && rules->isMoving()) {
        round.addTurn(cx, cy, counterClockwise);
        keepRound();
    }
}

void GameScreen::resumeRound(const RoundRecord& kept)
{
    replaying = true;
    for (const RoundRecord::Turn& turn : kept.getTurns()) {
        while (round.getTicks() < turn.tick && rules->isGameRunning())
            update();
        makeTurn(turn.x, turn.y, turn.counterClockwise);
    }
    while (round.getTicks() < kept.getTicks() && rules->isGameRunning())
        update();
    replaying = false;
    paused = rules->isGameRunning();
    keepRound();
}

void GameScreen::keepRound()
{
    if (replaying || !theApp || !theApp->instance || !theApp->instance->keepsRounds())
        return;
    theApp->instance->keepRound(rules->isGameRunning() ? round.format() : std::string());
}

void GameScreen::update()
{
    // The full-screen switch shows the mode even when the system left full screen by itself.
    if (Widget* button = getChild(FullScreenButton); button && theApp) {
        const int shown = theApp->fullScreen ? 2 : 0;
        if (button->getFrame() / 2 * 2 != shown)
            button->setFrame(shown + button->getFrame() % 2);
    }
    if (!rules->isGameRunning() || paused)
        return;
    rules->stepBoard();
    rules->updateBlocks();
    blinkSpecial();
    floatPointsPopup();
    round.addTick();
    rules->spendTime(1);
    keepRound();
}

NumberDisplay* GameScreen::display(int index) const { return static_cast<NumberDisplay*>(getChild(index)); }

void GameScreen::counterChanged(BoardCounter counter, int value)
{
    int index = -1;
    switch (counter) {
    case BoardCounter::Level: index = LevelDisplay; break;
    case BoardCounter::Score: index = ScoreDisplay; break;
    case BoardCounter::Removed: index = RemovedDisplay; break;
    case BoardCounter::Target: index = TargetDisplay; break;
    case BoardCounter::Combo: index = ComboDisplay; break;
    case BoardCounter::Chain: index = ChainDisplay; break;
    }
    if (NumberDisplay* shown = display(index))
        shown->setValue(value);
}

SoundEffect* GameScreen::soundFor(BoardSound sound) const
{
    switch (sound) {
    case BoardSound::FirstChain: return firstChainSound.get();
    case BoardSound::Chain: return chainSound.get();
    case BoardSound::LongChain: return longChainSound.get();
    case BoardSound::Special: return specialSound.get();
    case BoardSound::BigClear: return bigClearSound.get();
    case BoardSound::TimeUp: return timeUpSound.get();
    }
    return nullptr;
}

void GameScreen::playSound(BoardSound sound)
{
    if (!theApp || !theApp->hasSound || replaying)
        return;
    if (SoundEffect* effect = soundFor(sound))
        effect->play();
}

// The popup is centred over the box around the marked blocks.
void GameScreen::showPointsPopup()
{
    int minX = BoardRules::gridWidth - 1;
    int maxX = 0;
    int minY = BoardRules::gridHeight - 1;
    int maxY = 0;
    for (int cy = 0; cy < BoardRules::gridHeight; ++cy) {
        for (int cx = 0; cx < BoardRules::gridWidth; ++cx) {
            const Block* block = rules->getCell(cx, cy);
            if (!block || !block->isMarked())
                continue;
            minX = std::min(minX, cx);
            maxX = std::max(maxX, cx);
            minY = std::min(minY, cy);
            maxY = std::max(maxY, cy);
        }
    }
    const int px = BoardRules::fieldLeft + (minX + maxX + 1) * BoardRules::gridStepX / 2;
    const int py = BoardRules::fieldTop + (minY + maxY + 1) * BoardRules::gridStepY / 2;
    NumberDisplay* popup = display(PointsPopup);
    if (!popup)
        return;
    popup->setPosition(px, py);
    popup->setBounds(px - 100, px + 100);
    popup->setValue(rules->getLastPoints());
    popup->setAlpha(opaqueAlpha);
}

void GameScreen::hidePointsPopup()
{
    if (Widget* popup = getChild(PointsPopup))
        popup->setAlpha(0);
}

void GameScreen::floatPointsPopup()
{
    Widget* popup = getChild(PointsPopup);
    if (popup && popup->getAlpha() != 0)
        popup->moveY(-5);
}

// The special block alternates every tick between the first two frames of its colour.
void GameScreen::blinkSpecial()
{
    Block* special = rules->getSpecialBlock();
    if (!special || special->getAlpha() == 0)
        return;
    const int f = special->getFrame() % special->getFramesPerKind();
    if (!blinkPhase) {
        if (f == 0)
            special->nextFrame();
        blinkPhase = true;
    } else {
        if (f == 1)
            special->previousFrame();
        blinkPhase = false;
    }
}

// The rules ask for the time-up sound themselves, straight after this.
void GameScreen::gameOver(int /*finalScore*/) { openPanel(); }

void GameScreen::openPanel()
{
    const auto finalScore = static_cast<std::uint32_t>(std::max(0, rules->getScore()));
    replaceChild(Panel, std::make_unique<GameOverPanel>(this, panelX, panelY, panelWidth, panelHeight, panelFillColour,
                                                        panelBorderColour, panelBorderWidth, finalScore));
}

void GameScreen::onChildFinished(Widget* child, int result)
{
    if (!child || child != getPanel() || result != GameOverPanel::gameOverResult)
        return;
    // The host deletes this screen and its panel inside the call: nothing may follow it.
    if (parent)
        parent->setFrame(1);
}
