#include <initializer_list>
#include <string>

#include "ScreenTestSupport.h"
#include "screens/TextField.h"

namespace screens_test {
namespace {

using platform::vk::Backspace;
using platform::vk::Delete;
using platform::vk::Left;
using platform::vk::Right;

// The end-of-game panel's name field at its place on the screen, as the root widget.
class TextFieldTest : public ScreenTest {
protected:
    static constexpr int fieldX = 250;
    static constexpr int fieldY = 376;

    TextField& install(int capacity = 256, const char* initial = nullptr)
    {
        delete rootWidget;
        field = new TextField(nullptr, fieldX, fieldY, 300, 16, true, 0xFFFFFF, 0x000000, 1, initial, capacity);
        rootWidget = field;
        return *field;
    }

    int widthOf(const char* text, int count)
    {
        int w = 0;
        int h = 0;
        app().measureText(text, count, "Arial", 16, &w, &h);
        return w;
    }

    std::string text() { return field->getTextBuffer(); }
    void keys(std::initializer_list<int> codes)
    {
        for (int code : codes)
            keyDown(code);
    }
    // The text and the caret as "text|caret".
    std::string edited() { return text() + "|" + std::to_string(field->getCaret()); }

    TextField* field = nullptr;
};

TEST_F(TextFieldTest, TypingAndTheFourEditingKeysEditAtTheCaret)
{
    install();
    type("abc");
    keys({Left, Left});
    type("X");
    EXPECT_EQ(edited(), "aXbc|2");

    keyDown(Delete);  // removes the b; the caret stays where it is
    EXPECT_EQ(edited(), "aXc|2");
    keyDown(Backspace);
    EXPECT_EQ(edited(), "ac|1");

    // The ends: Left and Backspace at 0, Right and Delete at the end change nothing.
    keys({Left, Left, Backspace});
    EXPECT_EQ(edited(), "ac|0");
    keys({Right, Right, Right, Delete});
    EXPECT_EQ(edited(), "ac|2");
}

TEST_F(TextFieldTest, OnlyPrintableCharactersAreTaken)
{
    install();
    for (int code : {13, 9, 27, 8, 0, 31, 127, 128, 0xE9, 0xFF})
        typeChar(code);
    EXPECT_EQ(text(), "");
    typeChar(32);
    typeChar(126);
    typeChar(0x100 + 'k');  // only the low byte counts
    EXPECT_EQ(text(), " ~k");
}

TEST_F(TextFieldTest, TheTextNeverOutgrowsItsBuffer)
{
    install();
    type(std::string(300, 'i'));
    EXPECT_EQ(text(), std::string(255, 'i'));

    // A four-byte buffer: three characters at most, from typing and from setText alike.
    TextField& small = install(4, "abcdef");
    EXPECT_EQ(edited(), "abc|3");
    small.setText(nullptr);
    EXPECT_EQ(edited(), "|0");
    type("wxyz");
    EXPECT_EQ(text(), "wxy");

    char copy[8] = "unset";
    small.getText(copy, 3);
    EXPECT_STREQ(copy, "wx");
    small.getText(copy, sizeof copy);
    EXPECT_STREQ(copy, "wxy");
}

TEST_F(TextFieldTest, TextWiderThanTheFieldIsDrawnRightAlignedUpToTheCaret)
{
    install();
    int typed = 0;
    // Narrow letters, so that some text ends within the margin's five pixels of the edge.
    while (field->getAlign() == TextField::alignLeft && typed < 200) {
        type("i");
        ++typed;
    }
    ASSERT_EQ(field->getAlign(), TextField::alignRight);
    EXPECT_LE(widthOf(field->getTextBuffer(), typed - 1), 290);
    EXPECT_EQ(field->getCaretX(), 295);

    // Back left until the text before the caret fits: left-aligned again.
    keyDown(Left);
    EXPECT_EQ(field->getAlign(), TextField::alignLeft);
    EXPECT_EQ(field->getCaretX(), 5 + widthOf(field->getTextBuffer(), typed - 1));

    // Drawn right-aligned, the text before the caret ends at the right margin, and the
    // characters after the caret are not drawn.
    keyDown(Right);
    type("ii");
    keys({Left, Left});
    ASSERT_EQ(field->getAlign(), TextField::alignRight);
    caretBlinkPhase = true;  // no caret in this drawing
    ASSERT_TRUE(drawOnly());
    screenshot("textfield");
    const std::string beforeCaret = std::string(field->getTextBuffer()).substr(0, field->getCaret());
    const auto drawn = region(fieldX + 5, fieldY + 1, fieldX + 295, fieldY + 16);
    referenceText(fieldX + 5, fieldY, fieldX + 295, fieldY + 16, {{2, beforeCaret.c_str()}}, 16, 0x000000, 0xFFFFFF);
    EXPECT_EQ(drawn, region(fieldX + 5, fieldY + 1, fieldX + 295, fieldY + 16));
}

}  // namespace
}  // namespace screens_test
