#include "RtfReader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

struct TTextCase {
    const char* note;
    const char* text; // UTF-8
};

TEST(RtfReaderTest, ReadsTheTextOfWhatNotesHold) {
    const std::vector<TTextCase> cases = {
        {"Plain {text} \\par as it is", "Plain {text} \\par as it is"},
        {"{\\rtf1 one\\par two\\line three\\tab four}", "one\ntwo\nthree\tfour"},
        {"{\\rtf1\\ansi caf\\'e9 \\'80 \\u8364? \\uc2\\u916 xyz}",
         "caf\u00e9 \u20ac \u20ac \u0394z"},
        {"{\\rtf1 a\\\\b\\{c\\}d\\~e}", "a\\b{c}d e"},
        // Destinations that show nothing, known or marked optional.
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\generator Pad;}{\\info{\\title T}}{\\*\\unknown x}"
         "visible}",
         "visible"},
        // toPlainText writes line separators as LF and non-breaking blanks as blanks.
        // Unbalanced and cut-off input neither hangs nor throws.
        {"{\\rtf1 open {group", "open group"},
        {"{\\rtf1 cut\\'", "cut"},
        {"  {\\rtf1 leading blanks}", "leading blanks"},
    };
    for (const TTextCase& c : cases) {
        QTextDocument document;
        LoadNote(document, c.note);
        EXPECT_EQ(document.toPlainText(), QString::fromUtf8(c.text)) << c.note;
    }
}

TEST(RtfReaderTest, KeepsBoldItalicUnderlineSizeAndColour) {
    QTextDocument document;
    LoadNote(document, "{\\rtf1{\\colortbl ;\\red0\\green0\\blue255;}"
                       "n \\b b\\b0  \\i i\\i0  \\ul u\\ulnone  \\fs40 s\\fs24  \\cf1 c\\cf0  "
                       "{\\b g}x \\b\\plain p}");
    ASSERT_EQ(document.toPlainText(), "n b i u s c gx p");
    const auto format = [&](int index) {
        QTextCursor cursor(&document);
        cursor.setPosition(index + 1);
        return cursor.charFormat();
    };
    EXPECT_EQ(format(0).fontWeight(), QFont::Normal);
    EXPECT_EQ(format(2).fontWeight(), QFont::Bold);
    EXPECT_TRUE(format(4).fontItalic());
    EXPECT_TRUE(format(6).fontUnderline());
    EXPECT_FALSE(format(8).fontUnderline());
    EXPECT_EQ(format(8).fontPointSize(), 20);
    EXPECT_EQ(format(10).foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(format(12).fontWeight(), QFont::Bold);   // inside a group
    EXPECT_EQ(format(13).fontWeight(), QFont::Normal); // after it
    EXPECT_EQ(format(15).fontWeight(), QFont::Normal); // \plain
}

TEST(RtfReaderTest, TellsRtfFromPlainText) {
    EXPECT_TRUE(IsRtf("{\\rtf1 x}"));
    EXPECT_TRUE(IsRtf("\r\n {\\rtf"));
    EXPECT_FALSE(IsRtf("rtf"));
    EXPECT_FALSE(IsRtf("{\\rt"));
    EXPECT_FALSE(IsRtf(""));
}

} // namespace
