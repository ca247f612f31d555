#pragma once

#include <memory>

class Bitmap;

// Input events passed down the widget tree; the details (pointer, buttons, key, character)
// are read from the application's input fields.
enum InputEvent {
    MouseMoved = 1,
    MousePressed = 2,
    KeyPressed = 3,
    KeyReleased = 4,
    CharTyped = 5,
};

// A positioned rectangle showing one cell of a bitmap at an opacity of 0..128, owning a
// fixed array of child widgets.  Screens, panels and blocks derive from it.
class Widget {
public:
    static constexpr int opaqueAlpha = 128;

    Widget(Widget* parent, int x, int y, Bitmap* bitmap);
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    virtual ~Widget();
    virtual void init(Widget* parent, int x, int y, Bitmap* bitmap);
    virtual bool createSurfaces();
    virtual bool releaseSurfaces();
    virtual void setBitmap(Bitmap* newBitmap);
    virtual void setOriginX(int ox);
    virtual void setOriginY(int oy);
    virtual void setOrigin(int ox, int oy);
    virtual int getOriginX();
    virtual int getOriginY();
    virtual void setX(int nx);
    virtual void setY(int ny);
    virtual void setPosition(int nx, int ny);
    virtual int getX();
    virtual int getY();
    virtual void moveX(int dx);
    virtual void moveY(int dy);
    virtual void moveBy(int dx, int dy);
    virtual void setWidth(int w);
    virtual void setHeight(int h);
    virtual void setSize(int w, int h);
    virtual int getWidth();
    virtual int getHeight();
    virtual int getRight();
    virtual int getBottom();
    virtual void setFrame(int n);
    virtual int getFrame();
    virtual void nextFrame();
    virtual void previousFrame();
    virtual void setAlpha(int a);
    virtual int getAlpha();
    virtual void setLooping(bool b);
    virtual bool isLooping();
    virtual void setAnimating(bool b);
    virtual bool isAnimating();
    virtual void update();
    virtual void onFrameChanged();
    virtual void onChildFinished(Widget* child, int result);
    virtual bool drawClipped(int left, int top, int right, int bottom);
    virtual bool draw();
    virtual void handleEvent(int eventCode);

    Widget* getParent() const { return parent; }
    int getChildCount() const { return childCount; }
    Widget* getChild(int index) const;
    // Index of `child` in the children array, or -1.
    int indexOfChild(const Widget* child) const;
    // Deletes the child in `index` (if any) and stores `child` there, taking ownership.
    void replaceChild(int index, std::unique_ptr<Widget> child);
    // Gives up ownership of the child in `index` without deleting it; the slot becomes empty.
    std::unique_ptr<Widget> releaseChild(int index);
    Bitmap* getBitmap() const { return bitmap; }
    bool getHasBitmap() const { return hasBitmap; }
    int getFrameCount() const { return frameCount; }

protected:
    // For subclasses, whose constructors call `init` and then their own set-up.
    Widget();

    // Draws every child in index order; false at the first that fails.
    bool drawChildren();

    // Allocates the children array once, with its final length; every slot starts empty.
    void allocateChildren(int count);

    Widget* parent = nullptr;
    int originX = 0;
    int originY = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int frame = 0;
    int frameCount = 1;
    int alpha = opaqueAlpha;
    bool animating = false;
    bool looping = false;
    std::unique_ptr<std::unique_ptr<Widget>[]> children;
    int childCount = 0;
    Bitmap* bitmap = nullptr;
    bool hasBitmap = false;
};
