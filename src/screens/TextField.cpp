#include "screens/TextField.h"

#include <algorithm>
#include <cstring>

#include "app/Application.h"
#include "platform/Message.h"

bool caretBlinkPhase = false;

namespace {
constexpr const char* fieldFace = "Arial";
constexpr int textColour = 0x000000;
}  // namespace

TextField::TextField(Widget* parentWidget, int px, int py, int fieldWidth, int fieldHeight, bool withFrame,
                     int background, int border, int penWidth, const char* initialText, int bufferSize)
{
    Widget::init(parentWidget, px, py, nullptr);
    setUp(fieldWidth, fieldHeight, withFrame, background, border, penWidth, initialText, bufferSize);
}

void TextField::setUp(int fieldWidth, int fieldHeight, bool withFrame, int background, int border, int penWidth,
                      const char* initialText, int bufferSize)
{
    setSize(fieldWidth, fieldHeight);
    hasFrame = withFrame;
    backgroundColour = background;
    borderColour = border;
    borderWidth = penWidth;
    margin = 5;
    // A buffer always has room for the terminator, so the text can never spill over.
    capacity = std::max(1, bufferSize);
    caret = 0;
    caretX = margin;
    align = alignLeft;
    text = std::make_unique<char[]>(static_cast<std::size_t>(capacity));
    text[0] = '\0';
    setText(initialText);
}

int TextField::getLength() const { return static_cast<int>(std::strlen(text.get())); }

void TextField::setText(const char* source)
{
    if (!source) {
        // The caret goes back to the start with the text: a caret left behind the end of an
        // emptied text would make the next edit write outside the text.
        text[0] = '\0';
        setCaret(0);
        return;
    }
    int length = 0;
    while (length < capacity - 1 && source[length] != '\0') {
        text[length] = source[length];
        ++length;
    }
    text[length] = '\0';
    setCaret(length);
}

void TextField::getText(char* destination, int size) const
{
    if (!destination || size < 1)
        return;
    if (size < 2) {
        destination[0] = '\0';
        return;
    }
    int length = 0;
    while (length < size - 1 && text[length] != '\0') {
        destination[length] = text[length];
        ++length;
    }
    destination[length] = '\0';
}

void TextField::setCaret(int index)
{
    caret = std::clamp(index, 0, getLength());
    int textWidth = 0;
    int textHeight = 0;
    if (theApp)
        theApp->measureText(text.get(), caret, fieldFace, height, &textWidth, &textHeight);
    caretX = margin + textWidth;
    if (caretX > width - margin) {
        // The text before the caret no longer fits: draw it right-aligned, cut at the caret.
        align = alignRight;
        caretX = width - margin;
    } else {
        align = alignLeft;
    }
}

void TextField::insertChar(char c)
{
    const auto code = static_cast<signed char>(c);
    if (code < 32 || code == 127)
        return;
    const int length = getLength();
    if (length >= capacity - 1)
        return;  // the text is full: the character is dropped
    std::memmove(&text[caret + 1], &text[caret], static_cast<std::size_t>(length - caret + 1));
    text[caret] = c;
    setCaret(caret + 1);
}

void TextField::deleteBeforeCaret()
{
    if (caret == 0)
        return;
    const int length = getLength();
    std::memmove(&text[caret - 1], &text[caret], static_cast<std::size_t>(length - caret + 1));
    setCaret(caret - 1);
}

void TextField::deleteAtCaret()
{
    const int length = getLength();
    if (caret >= length)
        return;
    std::memmove(&text[caret], &text[caret + 1], static_cast<std::size_t>(length - caret));
}

void TextField::caretLeft() { setCaret(caret - 1); }

void TextField::caretRight() { setCaret(caret + 1); }

void TextField::handleEvent(int eventCode)
{
    if (!theApp)
        return;
    if (eventCode == KeyPressed) {
        switch (theApp->keyCode) {
        case platform::vk::Backspace: deleteBeforeCaret(); break;
        case platform::vk::Delete: deleteAtCaret(); break;
        case platform::vk::Left: caretLeft(); break;
        case platform::vk::Right: caretRight(); break;
        default: break;
        }
    } else if (eventCode == CharTyped) {
        insertChar(static_cast<char>(theApp->charCode & 0xFF));
    }
}

bool TextField::draw()
{
    if (!theApp)
        return false;
    const int left = originX + x;
    const int top = originY + y;
    if (hasFrame && !theApp->fillRect(left, top, width, height, backgroundColour))
        return false;
    if (!theApp->beginDraw())
        return false;
    if (hasFrame) {
        theApp->selectPen(borderWidth, borderColour);
        theApp->drawLine(left, top, left + width, top);
        theApp->drawLine(left + width, top, left + width, top + height);
        theApp->drawLine(left + width, top + height, left, top + height);
        theApp->drawLine(left, top + height, left, top);
        theApp->deletePen();
    }
    theApp->selectFont(fieldFace, height, textColour);
    // Right-aligned drawing shows only the text before the caret, so the caret stays at the
    // right margin while the start of the text is pushed out to the left.
    const char cut = text[caret];
    if (align == alignRight)
        text[caret] = '\0';
    theApp->drawText(left + margin, top, left + width - margin, top + height, align, text.get());
    text[caret] = cut;
    theApp->deleteFont();
    drawCaret();
    theApp->endDraw();
    return true;
}

void TextField::drawCaret()
{
    if (caretBlinkPhase) {
        caretBlinkPhase = false;
        return;
    }
    caretBlinkPhase = true;
    if (!theApp)
        return;
    const int left = originX + x;
    const int top = originY + y;
    theApp->selectPen(1, textColour);
    theApp->drawLine(left + caretX, top, left + caretX, top + height);
    theApp->deletePen();
}
