// The comma text of the recently used files: how lists are written and how texts, also
// hand-written ones, are read.

#include "CommaText.h"

#include <gtest/gtest.h>

namespace {

TEST(CommaText, WritesAndReadsBack) {
    struct TCase {
        QStringList items;
        QString text;
    };
    const TCase cases[] = {
        {{}, ""},
        {{""}, "\"\""},
        {{"C:\\a.vmi"}, "C:\\a.vmi"},
        {{"C:\\a.vmi", "/home/b.vmi"}, "C:\\a.vmi,/home/b.vmi"},
        {{"C:\\My Files\\cup.vmi", "b"}, "\"C:\\My Files\\cup.vmi\",b"},
        {{"say \"hi\".vmi"}, "\"say \"\"hi\"\".vmi\""},
        {{"a,b.vmi"}, "\"a,b.vmi\""},
        {{"tab\there"}, "\"tab\there\""},
        {{"", "b"}, ",b"},
        {{"a", ""}, "a,"},
        {{"", ""}, ","},
        {{"Kälberg.vmi"}, "Kälberg.vmi"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(WriteCommaText(c.items), c.text) << c.text.toStdString();
        EXPECT_EQ(ReadCommaText(c.text), c.items) << c.text.toStdString();
    }
}

TEST(CommaText, ReadsLooseText) {
    struct TCase {
        QString text;
        QStringList items;
    };
    const TCase cases[] = {
        {"  \t a , b ,c", {"a", "b", "c"}},
        {"a b", {"a", "b"}},
        {"\"x\"y,z", {"x", "y", "z"}},
        {"\"open quote, never closed", {"open quote, never closed"}},
        {"a , ", {"a", ""}},
        {",,a", {"", "", "a"}},
        {"   ", {}},
        {QString("a") + QChar(u'\0') + "b", {"a"}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ReadCommaText(c.text), c.items) << c.text.toStdString();
    }
}

} // namespace
