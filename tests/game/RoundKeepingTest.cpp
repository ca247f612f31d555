// A round kept where the program may be ended without warning (a browser tab): the record's
// text, the same field, score and time after the program starts again, paused until the
// player clicks, and nothing kept once the round is over or where the system keeps no rounds.
#include <gtest/gtest.h>

#include <string>

#include "game/Block.h"
#include "game/GameScreen.h"
#include "game/RoundRecord.h"
#include "startup/GameScreens.h"
#include "support/FakePlatform.h"
#include "support/ScreenTest.h"
#include "ui/ScreenHost.h"

namespace {

class RoundKeepingTest : public ScreenTestBase {
protected:
    RoundKeepingTest()
    {
        keeper.keepsRoundsHere = true;
        keeper.secondsOfDay = 4242;
        real = app().instance;
        app().instance = &keeper;
    }
    ~RoundKeepingTest() override
    {
        delete rootWidget;
        rootWidget = nullptr;
        app().instance = real;
    }

    // A fresh program's host asked for the game, as the start-up does with a kept round.
    GameScreen& openGame()
    {
        delete rootWidget;
        auto* host = new ScreenHost(nullptr, 0, 0, makeGameScreen);
        rootWidget = host;
        host->setFrame(ScreenHost::GameScreenNumber);
        return *dynamic_cast<GameScreen*>(host->getChild(0));
    }
    GameScreen& game() { return *dynamic_cast<GameScreen*>(rootWidget->getChild(0)); }

    // The page goes away with the round in play: no destructor runs, the kept text stays.
    void endWithoutWarning()
    {
        const std::string kept = keeper.keptRound;
        delete rootWidget;
        rootWidget = nullptr;
        keeper.keptRound = kept;
    }

    // A click on the group at (gx, gy).
    void turn(int gx, int gy, int buttons)
    {
        click(BoardRules::fieldLeft + BoardRules::gridStepX * (gx + 1),
              BoardRules::fieldTop + BoardRules::gridStepY * (gy + 1), buttons);
    }

    // What the player sees of the round.
    std::string state()
    {
        BoardRules& rules = game().getRules();
        std::string text;
        for (int j = 0; j < BoardRules::cellCount; ++j) {
            Block* block = rules.getCell(j);
            text += std::to_string(block->getKind()) + "@" + std::to_string(block->getX()) + "," +
                    std::to_string(block->getY()) + " ";
        }
        for (int value : {rules.getScore(), rules.getTimeLeft(), rules.getLevel(), rules.getRemovedCount(),
                          rules.getChain(), rules.getCombo(), rules.getLastSpecialAt()})
            text += std::to_string(value) + " ";
        return text;
    }

    FakePlatform keeper;
    platform::Platform* real = nullptr;
};

TEST_F(RoundKeepingTest, ARoundComesBackAtTheSamePlacePausedUntilTheNextClick)
{
    openGame();
    // Turns at rest and during the travel of others (which the rules refuse), both buttons, and
    // clicks beside the field's groups, which turn nothing.
    for (int tick = 0; tick < 400; ++tick) {
        if (tick % 37 == 5)
            turn(tick % 7, (tick / 7) % 7, tick % 2 ? 1 : 2);
        if (tick % 50 == 20)
            click(180, 160);
        ASSERT_TRUE(frame());
    }
    turn(2, 3, 1);
    ASSERT_TRUE(frame());
    // The field at rest when the page goes, so that a turn would be taken.
    for (int i = 0; i < 200 && !game().getRules().isIdle(); ++i)
        ASSERT_TRUE(frame());
    ASSERT_TRUE(game().getRules().isIdle());
    const int ticks = game().getRound().getTicks();
    ASSERT_TRUE(game().getRules().isGameRunning());
    const auto record = RoundRecord::parse(keeper.keptRound);
    ASSERT_TRUE(record);
    EXPECT_EQ(keeper.keptRound, game().getRound().format());
    EXPECT_EQ(record->getSeed(), 4242u);
    EXPECT_EQ(record->getTicks(), ticks);
    EXPECT_GE(record->getTurns().size(), 5u);
    const std::string before = state();

    endWithoutWarning();
    GameScreen& resumed = openGame();
    EXPECT_EQ(state(), before);
    EXPECT_EQ(resumed.getRound().format(), keeper.keptRound);
    EXPECT_TRUE(resumed.isPaused());

    // Paused: frames and pointer moves change nothing, the clock stands.
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(frame());
    move(300, 300);
    EXPECT_EQ(state(), before);
    screenshot("game-resumed-paused");

    // The click that wakes it turns nothing; the next frames play on from there.
    turn(0, 0, 1);
    EXPECT_FALSE(resumed.isPaused());
    EXPECT_FALSE(resumed.getRules().isMoving());
    EXPECT_EQ(state(), before);
    const int timeLeft = resumed.getRules().getTimeLeft();
    ASSERT_TRUE(frame());
    EXPECT_EQ(resumed.getRules().getTimeLeft(), timeLeft - 1);
    EXPECT_EQ(RoundRecord::parse(keeper.keptRound)->getTicks(), ticks + 1);
}

TEST_F(RoundKeepingTest, AFinishedOrAbandonedRoundIsNotKept)
{
    openGame();
    ASSERT_TRUE(frame());
    EXPECT_FALSE(keeper.keptRound.empty());
    game().getRules().spendTime(game().getRules().getTimeLeft() - 1);
    ASSERT_TRUE(frame());  // the last unit: the game is over
    ASSERT_FALSE(game().getRules().isGameRunning());
    EXPECT_EQ(keeper.keptRound, "");

    openGame();  // the old screen goes (as after the panel), a new round starts
    ASSERT_TRUE(frame());
    EXPECT_FALSE(keeper.keptRound.empty());
    delete rootWidget;  // left through the exit button
    rootWidget = nullptr;
    EXPECT_EQ(keeper.keptRound, "");
}

TEST_F(RoundKeepingTest, ADamagedRecordOrASystemThatKeepsNoRoundsDealsAFreshGame)
{
    openGame();
    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(frame());
    const std::string good = keeper.keptRound;
    endWithoutWarning();

    for (const std::string& damaged : {good.substr(0, good.size() / 2) + "x", std::string("kelvary-round 1\n")}) {
        keeper.keptRound = damaged;
        GameScreen& fresh = openGame();
        EXPECT_FALSE(fresh.isPaused());
        EXPECT_EQ(fresh.getRound().getTicks(), 0);
        EXPECT_EQ(fresh.getRound().getSeed(), 4242u);  // dealt from the clock
    }

    // The desktop keeps no rounds: a record there is never read.
    keeper.keepsRoundsHere = false;
    keeper.keptRound = good;
    keeper.roundsKept = 0;
    GameScreen& desktop = openGame();
    EXPECT_FALSE(desktop.isPaused());
    EXPECT_EQ(desktop.getRound().getTicks(), 0);
    ASSERT_TRUE(frame());
    EXPECT_EQ(keeper.roundsKept, 0);
}

TEST(RoundRecordTest, TheTextComesBackAsWrittenAndDamageIsRefused)
{
    RoundRecord record(4000000000u);
    record.addTurn(0, 0, true);
    record.addTick();
    record.addTick();
    record.addTurn(6, 6, false);
    const std::string text = record.format();
    const auto back = RoundRecord::parse(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->getSeed(), 4000000000u);
    EXPECT_EQ(back->getTicks(), 2);
    EXPECT_EQ(back->getTurns(), record.getTurns());
    EXPECT_EQ(back->format(), text);

    const std::string head = "kelvary-round 1\nseed 5\nticks 10\n";
    EXPECT_TRUE(RoundRecord::parse(head + "turn 3 1 2 0\nturn 3 2 2 1\nturn 10 0 0 1\n"));
    for (const std::string& bad :
         {std::string(), std::string("kelvary-round 2\nseed 5\nticks 10\n"), std::string("seed 5\nticks 10\n"),
          std::string("kelvary-round 1\nseed -1\nticks 10\n"),
          std::string("kelvary-round 1\nseed 4294967296\nticks 1\n"),
          std::string("kelvary-round 1\nseed 5\nticks 99999999\n"), std::string("kelvary-round 1\nticks 10\nseed 5\n"),
          std::string("kelvary-round 1\nseed 5 6\nticks 10\n"),
          head + "turn 4 1 1 1\nturn 3 1 1 1\n",  // out of order
          head + "turn 11 1 1 1\n",               // after the last tick
          head + "turn 1 7 1 1\n", head + "turn 1 1 -1 1\n", head + "turn 1 1 1 2\n", head + "turn 1 1 1\n",
          head + "turn 1 1 1 1 1\n", head + "move 1 1 1 1\n"})
        EXPECT_FALSE(RoundRecord::parse(bad)) << bad;
}

}  // namespace
