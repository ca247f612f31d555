#include <gtest/gtest.h>

#include "media/AssetCatalogue.h"
#include "media/Bitmap.h"
#include "ui/Widget.h"

namespace {

// A widget with a children array of its own, as screens have.
class Parent : public Widget {
public:
    Parent(Widget* parentWidget, int px, int py, int slots) : Widget(parentWidget, px, py, nullptr)
    {
        allocateChildren(slots);
    }
};

class FrameCounter : public Widget {
public:
    FrameCounter() : Widget(nullptr, 0, 0, nullptr) {}
    void onFrameChanged() override { ++changes; }
    int changes = 0;
};

TEST(Widget, FramesClampOrWrapAtBothEndsAndANewPictureClampsThem)
{
    Bitmap strip("strip.bmp", 80, 10, 8, 1, 8);
    FrameCounter widget;
    widget.setBitmap(&strip);
    ASSERT_EQ(widget.getFrameCount(), 8);

    widget.setFrame(8 + 2);
    EXPECT_EQ(widget.getFrame(), 7);
    widget.setFrame(-1);
    EXPECT_EQ(widget.getFrame(), 0);

    widget.setLooping(true);
    widget.setFrame(8 + 2);
    EXPECT_EQ(widget.getFrame(), 2);
    widget.setFrame(-1);
    EXPECT_EQ(widget.getFrame(), 7);
    // An exact multiple below zero wraps to the first frame, never past the last one.
    widget.setFrame(-8);
    EXPECT_EQ(widget.getFrame(), 0);

    const int changes = widget.changes;
    widget.setFrame(0);
    widget.setFrame(8);  // wraps onto the current frame: no change
    EXPECT_EQ(widget.changes, changes);
    widget.nextFrame();
    EXPECT_EQ(widget.changes, changes + 1);

    // A new picture: its cell size, and the frame clamped to its frame count.
    widget.setFrame(7);
    Bitmap button(pictures::ok);
    widget.setBitmap(&button);
    EXPECT_EQ(widget.getFrame(), 1);
    EXPECT_EQ(widget.getWidth(), 22);
    EXPECT_EQ(widget.getHeight(), 12);
}

TEST(Widget, ANewPositionIsPushedDownToTheChildren)
{
    Parent root(nullptr, 10, 20, 1);
    root.replaceChild(0, std::make_unique<Widget>(&root, 1, 2, nullptr));
    root.setPosition(100, 200);
    EXPECT_EQ(root.getChild(0)->getOriginX(), 100);
    EXPECT_EQ(root.getChild(0)->getOriginY(), 200);
    // Along one axis at a time, by each way of moving.
    root.moveX(5);
    root.moveY(-7);
    root.moveBy(0, 2);
    root.setPosition(90, 195);
    root.moveBy(3, 0);
    EXPECT_EQ(root.getChild(0)->getOriginX() * 1000 + root.getChild(0)->getOriginY(), 93195);
    EXPECT_EQ(root.getX() * 1000 + root.getY(), 93195);
}

// Counts its updates; one that replaces itself does so in its parent's first slot during its update,
// as screens do, and touches nothing of itself after the request.
class CountingChild : public Widget {
public:
    CountingChild(Widget* owner, int& counter, bool replacing)
        : Widget(owner, 0, 0, nullptr),
          count(counter),
          replaces(replacing)
    {}
    void update() override
    {
        ++count;
        if (replaces)
            getParent()->replaceChild(0, std::make_unique<Widget>(getParent(), 0, 0, nullptr));
    }
    int& count;
    bool replaces;
};

TEST(Widget, UpdateGoesOnAfterAChildReplacedItself)
{
    int replacing = 0;
    int laterUpdates = 0;
    Parent root(nullptr, 0, 0, 3);
    root.replaceChild(0, std::make_unique<CountingChild>(&root, replacing, true));
    root.replaceChild(2, std::make_unique<CountingChild>(&root, laterUpdates, false));
    root.setAnimating(true);
    root.update();
    EXPECT_EQ(replacing, 1);
    EXPECT_EQ(laterUpdates, 1);
    ASSERT_NE(root.getChild(0), nullptr);
    EXPECT_EQ(root.getFrame(), 0);  // a single frame: nextFrame stays at the end
    root.update();
    EXPECT_EQ(replacing, 1);  // the replacement is a plain widget
    EXPECT_EQ(laterUpdates, 2);
}

}  // namespace
