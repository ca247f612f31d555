#pragma once

#include <memory>

#include "ui/Widget.h"

// Shared by every text field: the caret shows on every other drawing of a field.
extern bool caretBlinkPhase;

// A one-line text entry box: optional white fill and border, the text in "Arial" at the
// field's height, a blinking caret, and editing by typed characters, Backspace, Delete and
// the Left and Right arrow keys.  Takes no mouse input and has no children.
class TextField : public Widget {
public:
    static constexpr int alignLeft = 0;
    static constexpr int alignRight = 2;

    // `capacity` is the buffer size including the terminator: the text holds at most
    // capacity - 1 characters.
    TextField(Widget* parent, int x, int y, int width, int height, bool hasFrame, int backgroundColour,
              int borderColour, int borderWidth, const char* initialText, int capacity);

    bool draw() override;
    void handleEvent(int eventCode) override;
    virtual void setUp(int fieldWidth, int fieldHeight, bool withFrame, int background, int border, int penWidth,
                       const char* initialText, int bufferSize);

    // Null empties the text (caret at the start); otherwise the caret goes to the end.
    void setText(const char* source);
    // Copies at most size - 1 characters into `destination`, always terminated.
    void getText(char* destination, int size) const;
    void setCaret(int index);
    // Printable characters 32..126 only; ignored when the text is full.
    void insertChar(char c);
    void deleteBeforeCaret();
    void deleteAtCaret();
    void caretLeft();
    void caretRight();
    // Draws the caret on every other call (the shared blink phase).
    void drawCaret();

    const char* getTextBuffer() const { return text.get(); }
    int getLength() const;
    int getCapacity() const { return capacity; }
    int getCaret() const { return caret; }
    int getCaretX() const { return caretX; }
    int getAlign() const { return align; }

private:
    bool hasFrame = false;
    int backgroundColour = 0;
    int borderColour = 0;
    int borderWidth = 1;
    int margin = 5;
    std::unique_ptr<char[]> text;
    int capacity = 1;
    int caret = 0;
    int caretX = 5;
    int align = alignLeft;
};
