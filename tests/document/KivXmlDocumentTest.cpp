// The element layer: the writer's lexical form, reading with normalization, identifiers,
// attributes, texts and collections.

#include "MatchStatFile.h"
#include "TestSupport.h"
#include "XmlError.h"
#include "XmlReader.h"
#include "XmlWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The first team of a document loaded with the given team element as its only one.
TTeamDscr* LoadTeam(TMatchStatFile& document, const std::string& team) {
    document.LoadFromXml("<MatchStatFile><ActorFile Id='1' Rel='ActorFile'>" + team +
                         "</ActorFile></MatchStatFile>");
    return document.ActorFile()->Teams().Items(0);
}

struct TEscapeCase {
    const char* input;
    const char* text;
    const char* attribute;
};

class EscapeTest : public ::testing::TestWithParam<TEscapeCase> {};

TEST_P(EscapeTest, EscapesTextAndAttributeValues) {
    const TEscapeCase& c = GetParam();
    std::string text;
    std::string attribute;
    xml::AppendEscaped(text, c.input, xml::TEscapeContext::Text);
    xml::AppendEscaped(attribute, c.input, xml::TEscapeContext::Attribute);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(attribute, c.attribute);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EscapeTest,
    ::testing::Values(
        TEscapeCase{"a<b>c", "a&lt;b>c", "a&lt;b>c"},
        TEscapeCase{"R & D", "R &amp; D", "R &amp; D"},
        // Every "&" is escaped, so that "R&D;x" and a literal "&lt;" read back as written.
        TEscapeCase{"R&D;x", "R&amp;D;x", "R&amp;D;x"}, TEscapeCase{"&lt;", "&amp;lt;", "&amp;lt;"},
        TEscapeCase{"say \"hi\" 'you'", "say \"hi\" 'you'", "say &#34;hi&#34; 'you'"},
        TEscapeCase{"\xC3\xA9", "&#233;", "&#233;"},
        TEscapeCase{"\xC3\xA9\xC3\xA9", "&#233;&#233;", "&#233;&#233;"},
        TEscapeCase{"\xE2\x82\xAC", "&#8364;", "&#8364;"},
        TEscapeCase{"\xF0\x9F\x98\x80", "&#128512;", "&#128512;"},
        TEscapeCase{"~\x7F", "~&#127;", "~&#127;"},
        TEscapeCase{"a\tb\nc\rd", "a\tb\nc\rd", "a&#9;b&#10;c&#13;d"}, TEscapeCase{"", "", ""},
        // "]]>" may not stand in character data; in attribute values it may.
        TEscapeCase{"a]]>b", "a]]&gt;b", "a]]>b"}, TEscapeCase{"]]>>", "]]&gt;>", "]]>>"},
        TEscapeCase{"]]]>", "]]]&gt;", "]]]>"}, TEscapeCase{"]>]>", "]>]>", "]>]>"}));

std::string Write(const char* source, bool formatted = true) {
    xml::TParseResult parsed = xml::Parse(source);
    std::string out;
    xml::AppendNode(out, parsed.tree->document.document_element(), formatted);
    return out;
}

TEST(XmlWriter, IndentsElementsUntilCharacterDataAppears) {
    EXPECT_EQ(Write("<r/>"), "\r\n<r/>");
    EXPECT_EQ(Write("<r><a x='1'/><b>text</b></r>"),
              "\r\n<r>\r\n  <a x=\"1\"/>\r\n  <b>text</b>\r\n</r>");
    EXPECT_EQ(Write("<r><a><b/></a></r>"), "\r\n<r>\r\n  <a>\r\n    <b/>\r\n  </a>\r\n</r>");
    // After a text child no more line breaks among the siblings, nor before the end tag.
    EXPECT_EQ(Write("<r><a>x<b/><c/></a></r>"), "\r\n<r>\r\n  <a>x<b/><c/></a>\r\n</r>");
    EXPECT_EQ(Write("<r><a><b/>x<c/></a></r>"), "\r\n<r>\r\n  <a>\r\n    <b/>x<c/></a>\r\n</r>");
    EXPECT_EQ(Write("<r><!--note--><?pi data?><![CDATA[a]]]]><![CDATA[>b]]></r>"),
              "\r\n<r>\r\n  <!--note-->\r\n  <?pi data?><![CDATA[a]]]]><![CDATA[>b]]></r>");
    EXPECT_EQ(Write("<r><a>x</a></r>", false), "<r><a>x</a></r>");
}

TEST(XmlWriter, EscapesAClosingBracketPairAcrossTexts) {
    // Taking the element out leaves two texts side by side that together hold "]]>".
    xml::TParseResult parsed = xml::Parse("<r>a]]<x/>&gt;b</r>");
    pugi::xml_node root = parsed.tree->document.document_element();
    root.remove_child(root.child("x"));
    std::string out;
    xml::AppendNode(out, root, false);
    EXPECT_EQ(out, "<r>a]]&gt;b</r>");
}

TEST(XmlWriter, WritingInPiecesWritesTheSameBytes) {
    xml::TParseResult parsed =
        xml::Parse(testsupport::ReadFile(testsupport::DataPath("roundtrip.vmi")));
    pugi::xml_node root = parsed.tree->document.document_element();
    // Two texts that meet in "]]>" once the element between them is gone.
    pugi::xml_node query = root.child("Query");
    query.append_child(pugi::node_pcdata).set_value("a]]");
    query.append_child("x");
    query.append_child(pugi::node_pcdata).set_value(">b");
    query.remove_child("x");
    std::string whole;
    xml::AppendNode(whole, root, true, xml::TLineBreaks::CrLf);
    ASSERT_NE(whole.find("a]]&gt;b"), std::string::npos);
    for (std::size_t piece : {1, 2, 3, 7, 64, 100000}) {
        std::string written;
        std::string rest;
        xml::AppendNode(rest, root, true, xml::TLineBreaks::CrLf, piece,
                        [&](std::string_view part) { written.append(part); });
        EXPECT_EQ(written + rest, whole) << piece;
    }
}

TEST(XmlWriter, FileOutputWritesEveryLineBreakAsCrLf) {
    xml::TParseResult parsed = xml::Parse("<r xml:space='preserve'>a\nb<c>x\ry</c><![CDATA[1\n2]]>"
                                          "<!--p\nq--></r>");
    pugi::xml_node root = parsed.tree->document.document_element();
    root.text().set("a\r\nb\rc\n"); // the leading text, held as the element's value
    root.append_attribute("v").set_value("l1\r\nl2");
    std::string out;
    xml::AppendNode(out, root, true, xml::TLineBreaks::CrLf);
    EXPECT_EQ(out, "\r\n<r xml:space=\"preserve\" v=\"l1&#13;&#10;l2\">a\r\nb\r\nc\r\n<c>x\r\ny</c>"
                   "<![CDATA[1\r\n2]]><!--p\r\nq--></r>");
}

struct TReadCase {
    const char* source;
    const char* written;
};

class ReadTest : public ::testing::TestWithParam<TReadCase> {};

TEST_P(ReadTest, NormalizesCharacterDataAndDecodesReferences) {
    EXPECT_EQ(Write(GetParam().source, false), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadTest,
    ::testing::Values(TReadCase{"<r>  a \n\t b  </r>", "<r>a b</r>"},
                      TReadCase{"<r>\n  <c/>\n  <d/>\n</r>", "<r><c/><d/></r>"},
                      TReadCase{"<r>one <c/> two\r\n three</r>", "<r>one<c/>two three</r>"},
                      // Each kind of inner run on its own, also where normalization is ours
                      // alone because the document switches it off somewhere.
                      TReadCase{"<r>a  b</r>", "<r>a b</r>"},
                      TReadCase{"<r>a\tb</r>", "<r>a b</r>"},
                      TReadCase{"<r>a\r\n\r\nb</r>", "<r>a b</r>"},
                      TReadCase{"<r><p xml:space=\"preserve\"> x </p><q>  a  \t b  </q></r>",
                                "<r><p xml:space=\"preserve\"> x </p><q>a b</q></r>"},
                      TReadCase{"<r xml:space=\"preserve\"><q xml:space=\"default\"> a  b"
                                "</q></r>",
                                "<r xml:space=\"preserve\"><q xml:space=\"default\">a b</q></r>"},
                      TReadCase{"<r><![CDATA[  keep\n  this  ]]></r>",
                                "<r><![CDATA[  keep\n  this  ]]></r>"},
                      TReadCase{"<r xml:space=\"preserve\"><c>  a  b </c> </r>",
                                "<r xml:space=\"preserve\"><c>  a  b </c> </r>"},
                      TReadCase{"<r>&lt;&amp;&gt;&quot;&apos;&#233;&#xE9;&#128512;</r>",
                                "<r>&lt;&amp;>\"'&#233;&#233;&#128512;</r>"},
                      TReadCase{"<r a=\"x&#10;y\" b=\"p\nq\"/>", "<r a=\"x&#10;y\" b=\"p q\"/>"},
                      TReadCase{"<?xml version=\"1.0\"?><!DOCTYPE r><r/>", "<r/>"},
                      TReadCase{"<!--before--><r/><!--after--><?pi x?>\r\n \t", "<r/>"}));

struct TBadCase {
    std::string source;
    const char* message;
};

// An element with 20 attributes, the last one repeating the one before.
std::string ManyAttributes() {
    std::string text = "<r";
    for (int i = 0; i < 19; ++i) {
        text += " a" + std::to_string(i) + "='x'";
    }
    return text + " a18='y'/>";
}

class BadXmlTest : public ::testing::TestWithParam<TBadCase> {};

TEST_P(BadXmlTest, IsRejectedWithAPosition) {
    try {
        xml::Parse(GetParam().source);
        FAIL() << "accepted " << GetParam().source;
    } catch (const xml::EXmlParseError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
        EXPECT_GE(e.Offset(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadXmlTest,
    ::testing::Values(TBadCase{"", "no root element"}, TBadCase{"   \r\n", "no root element"},
                      TBadCase{"<r><a></r>", "end tag"}, TBadCase{"<r><a>", "end tag"},
                      TBadCase{"<r>&nbsp;</r>", "undefined entity \"&nbsp;\""},
                      TBadCase{"<r a=\"R&D;x\"/>", "undefined entity \"&D;\""},
                      TBadCase{"<r>a & b</r>", "does not start a reference"},
                      TBadCase{"<r>&#0;</r>", "invalid character reference"},
                      TBadCase{"<r>&#xD800;</r>", "invalid character reference"},
                      TBadCase{"<r a='1' b='2' a='2'/>", "attribute \"a\" appears twice"},
                      TBadCase{ManyAttributes(), "attribute \"a18\" appears twice"},
                      TBadCase{"<r/><r/>", "a second root element"},
                      TBadCase{"<r/><!--c--><extra/>", "a second root element"},
                      TBadCase{"<r/>tail", "text after the root element"},
                      TBadCase{"<r/>x", "text after the root element"},
                      TBadCase{"<r/><![CDATA[x]]>", "text after the root element"},
                      TBadCase{"head<r/>", "text before the root element"}));

TEST(XmlReader, RefusesAbsurdNesting) {
    auto nested = [](int levels) {
        std::string text = "<r>";
        for (int i = 0; i < levels; ++i) {
            text += "<a>";
        }
        for (int i = 0; i < levels; ++i) {
            text += "</a>";
        }
        return text + "</r>";
    };
    EXPECT_NO_THROW(xml::Parse(nested(1000)));
    try {
        xml::Parse(nested(1001));
        FAIL() << "accepted";
    } catch (const xml::EXmlParseError& e) {
        EXPECT_NE(std::string(e.what()).find("nested more than 1000 levels"), std::string::npos);
    }
}

TEST(XmlReader, LineAndColumnCountCharacters) {
    EXPECT_EQ(xml::LineAndColumn("ab\n\xC3\xA9x", 5), std::make_pair(2, 2));
}

// ---- identifiers, attributes, texts ----

TEST(KivXmlElement, NewElementsCarryIdThenRelAndAllocateInOrder) {
    TMatchStatFile document;
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.ActorFile()->Id(), "1");
    EXPECT_EQ(document.SituationFile()->Id(), "2");
    EXPECT_EQ(document.AllocateId(), "3");
    EXPECT_EQ(document.AllocateId(), "4");
    EXPECT_EQ(document.GetAttribute("NextId"), "4");
    EXPECT_TRUE(document.Modified());

    TMatch* match = document.Matches().Add();
    EXPECT_EQ(match->GetXml(), "<Match Id=\"5\" Rel=\"Matches\"><Team Id=\"6\" Rel=\"HomeTeam\"/>"
                               "<Team Id=\"7\" Rel=\"GuestTeam\"/></Match>");
    EXPECT_EQ(document.FindById("6"), match->HomeTeam());
    EXPECT_EQ(document.FindById("7"), match->GuestTeam());
    EXPECT_EQ(document.FindById("8"), nullptr);
}

TEST(KivXmlElement, SetAttributeMovesTheAttributeLastAndEmptyRemovesIt) {
    TMatchStatFile document;
    TMatch* match = document.Matches().Add();
    match->SetName("a");
    match->SetResult("1:0");
    auto startTag = [&] { return match->GetXml().substr(0, match->GetXml().find('>') + 1); };
    EXPECT_EQ(startTag(), "<Match Id=\"3\" Rel=\"Matches\" Name=\"a\" Result=\"1:0\">");
    match->SetName("b");
    EXPECT_EQ(startTag(), "<Match Id=\"3\" Rel=\"Matches\" Result=\"1:0\" Name=\"b\">");
    match->SetResult("");
    EXPECT_EQ(startTag(), "<Match Id=\"3\" Rel=\"Matches\" Name=\"b\">");
    EXPECT_EQ(match->GetAttribute("Result"), "");
    EXPECT_EQ(match->GetAttribute("Absent"), "");
}

TEST(KivXmlElement, ModifiedChangesAreReported) {
    TMatchStatFile document;
    std::vector<bool> seen;
    document.OnModifiedChanged = [&](TKivXmlDocument& d) { seen.push_back(d.Modified()); };
    document.ActorFile()->Teams().Add()->SetText("x");
    document.SetModified(false);
    document.SetModified(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(KivXmlElement, SetTextReplacesTheOwnTextAndNeverAChildsText) {
    TMatchStatFile document;
    TTeamDscr* team = document.ActorFile()->Teams().Add();
    team->Players().Add()->SetText("Jonas");
    team->SetText("Old");
    team->SetText("New");
    EXPECT_EQ(team->Text(), "New");
    EXPECT_EQ(team->GetXml(), "<TeamDscr Id=\"3\" Rel=\"Teams\"><PlayerDscr Id=\"4\" "
                              "Rel=\"Players\">Jonas</PlayerDscr>New</TeamDscr>");
}

TEST(KivXmlElement, SetTextOnALoadedElementReplacesItsLeadingTextInPlace) {
    TMatchStatFile document;
    TTeamDscr* team = LoadTeam(document, "<TeamDscr Id='2' Rel='Teams'>Old<PlayerDscr Id='3' "
                                         "Rel='Players'>Jonas</PlayerDscr> tail</TeamDscr>");
    EXPECT_EQ(team->Text(), "Old tail");
    team->SetText("New");
    EXPECT_EQ(team->Text(), "New");
    EXPECT_EQ(team->GetXml(), "<TeamDscr Id=\"2\" Rel=\"Teams\">New<PlayerDscr Id=\"3\" "
                              "Rel=\"Players\">Jonas</PlayerDscr>tail</TeamDscr>");
}

// The text read is the tree's own string, which setting the text releases.
TEST(KivXmlElement, SetTextAcceptsTheElementsOwnText) {
    TMatchStatFile document;
    TTeamDscr* team =
        LoadTeam(document, "<TeamDscr Id='2' Rel='Teams'> Bears &amp;  Lions </TeamDscr>");
    ASSERT_EQ(team->Text(), "Bears & Lions");
    team->SetText(team->Text());
    EXPECT_EQ(team->Text(), "Bears & Lions");
    team->SetText(team->Text().substr(8));
    EXPECT_EQ(team->Text(), "Lions");
    EXPECT_EQ(team->GetXml(), "<TeamDscr Id=\"2\" Rel=\"Teams\">Lions</TeamDscr>");
}

TEST(KivXmlElements, RemoveDetachesButKeepsTheObjectResolvable) {
    TMatchStatFile document;
    TMatch* match = document.Matches().Add();
    match->SetName("Final");
    document.Matches().Remove(match);
    EXPECT_EQ(document.Matches().Count(), 0);
    EXPECT_EQ(document.FindById(match->Id()), match);
    EXPECT_EQ(match->Name(), "Final");
    EXPECT_EQ(document.GetXml().find("Match "), std::string::npos);
    try {
        document.Matches().Remove(match);
        FAIL() << "removed twice";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(),
                     "TKivXmlElements.Remove: Element with ID \"3\" not found in ID index.");
    }
}

TEST(KivXmlElements, SetAsideLeavesTheElementInTheFileAndTheDocumentUnmodified) {
    TMatchStatFile document;
    TMatch* first = document.Matches().Add();
    TMatch* second = document.Matches().Add();
    first->SetName("Kept");
    document.SetModified(false);
    const std::string before = document.GetXml();
    document.Matches().SetAside(first);
    EXPECT_EQ(document.Matches().Count(), 1);
    EXPECT_EQ(document.Matches().Items(0), second);
    EXPECT_EQ(document.Matches().SetAsideMembers(), std::vector<TMatch*>{first});
    EXPECT_EQ(document.FindById(first->Id()), first);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.GetXml(), before);
    EXPECT_THROW(document.Matches().SetAside(first), std::runtime_error);
}

TEST(KivXmlElement, IdentifiersCompareWithoutLetterCase) {
    TMatchStatFile document;
    TMatch* match = document.Matches().Add();
    match->SetAttribute("Id", "M-7a");
    document.RegisterId("M-7a", match);
    EXPECT_EQ(document.FindById("m-7A"), match);
}

} // namespace
