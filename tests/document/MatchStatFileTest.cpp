// Media index files: loading, the model's accessors, and saving in the exact file form.

#include "MatchStatFile.h"
#include "FileSizeLimit.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using testsupport::DataPath;
using testsupport::ReadFile;
using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

// What a second, independent parser (libxml2) reads from bytes: the text content of every
// element named tag, in document order. Fails the test if it refuses the bytes.
std::vector<std::string> ReadBySecondParser(const std::string& bytes, const char* tag) {
    std::vector<std::string> texts;
    xmlDocPtr document = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                       "UTF-8", XML_PARSE_NONET | XML_PARSE_NOERROR);
    if (!document) {
        ADD_FAILURE() << "libxml2 refuses the file: " << xmlGetLastError()->message;
        return texts;
    }
    std::vector<xmlNodePtr> stack = {xmlDocGetRootElement(document)};
    while (!stack.empty()) {
        xmlNodePtr node = stack.back();
        stack.pop_back();
        for (xmlNodePtr child = node->last; child; child = child->prev) {
            if (child->type == XML_ELEMENT_NODE) {
                stack.push_back(child);
            }
        }
        if (xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>(tag)) == 0) {
            xmlChar* content = xmlNodeGetContent(node);
            texts.emplace_back(reinterpret_cast<const char*>(content));
            xmlFree(content);
        }
    }
    xmlFreeDoc(document);
    return texts;
}

const char* const kNewDocument = "\r\n"
                                 "<MatchStatFile NextId=\"2\">\r\n"
                                 "  <ActorFile Id=\"1\" Rel=\"ActorFile\"/>\r\n"
                                 "  <SituationFile Id=\"2\" Rel=\"SituationFile\"/>\r\n"
                                 "</MatchStatFile>\r\n";

class MatchStatFileTest : public ::testing::Test {
protected:
    std::unique_ptr<TMatchStatFile> LoadText(const std::string& bytes,
                                             TDateTimeCheck check = TDateTimeCheck::Strict) {
        const std::string path = m_dir.File("in.vmi");
        WriteFile(path, bytes);
        auto document = std::make_unique<TMatchStatFile>();
        document->LoadFromFile(path, check);
        return document;
    }
    std::string SaveText(TMatchStatFile& document) {
        const std::string path = m_dir.File("out.vmi");
        document.SaveToFile(path);
        return ReadFile(path);
    }
    TSituation* Situation(TMatchStatFile& document, const char* id) {
        return dynamic_cast<TSituation*>(document.FindById(id));
    }

    TTempDir m_dir;
};

TEST_F(MatchStatFileTest, NewDocumentIsFiveLines) {
    TMatchStatFile document;
    EXPECT_EQ(SaveText(document), kNewDocument);
    EXPECT_FALSE(document.Modified());
}

TEST_F(MatchStatFileTest, FixtureRoundTripsByteForByte) {
    const std::string original = ReadFile(DataPath("roundtrip.vmi"));
    auto document = LoadText(original);
    EXPECT_FALSE(document->Modified());
    EXPECT_EQ(SaveText(*document), original);
}

TEST_F(MatchStatFileTest, FixtureLoadsThroughTheRelations) {
    auto document = LoadText(ReadFile(DataPath("roundtrip.vmi")));
    ASSERT_EQ(document->ActorFile()->Teams().Count(), 2);
    EXPECT_EQ(document->ActorFile()->Teams().Items(0)->Text(), "FC Northbridge");
    EXPECT_EQ(document->ActorFile()->Teams().Items(0)->Players().Items(0)->Text(), "Jonas Berg");
    const TQuestionDscr* outcome =
        document->SituationFile()->Situations().Items(0)->Questions().Items(0);
    EXPECT_EQ(outcome->Answers().Count(), 2);
    EXPECT_EQ(document->Queries().Count(), 1);

    ASSERT_EQ(document->Matches().Count(), 1);
    TMatch* match = document->Matches().Items(0);
    EXPECT_EQ(match->Name(), "FC Northbridge - Riverside United");
    EXPECT_EQ(match->VideoFilename(), "D:\\Video\\final.avi");
    EXPECT_EQ(match->HomeTeam()->Text(), "FC Northbridge");
    EXPECT_EQ(match->GuestTeam()->Players().Count(), 0);
    ASSERT_EQ(match->Situations().Count(), 3);

    TSituation* first = match->Situations().Items(0);
    EXPECT_EQ(first->Text(), "Attack");
    EXPECT_EQ(first->Team(), match->HomeTeam());
    EXPECT_EQ(first->Questions().Items(0)->AnswersText(), "Goal & Shot wide");
    EXPECT_EQ(first->Note(), "First line\nsecond line & <more>");

    // An "Answer" under the plural relation is not an answer; an empty "Note" element
    // leaves the note to the attribute.
    TSituation* second = match->Situations().Items(1);
    EXPECT_EQ(second->Questions().Items(0)->Answers().Count(), 0);
    EXPECT_EQ(second->Questions().Items(0)->AnswersText(), "");
    EXPECT_EQ(second->Note(), "older note");
    EXPECT_EQ(match->Situations().Items(2)->Questions().Count(), 0);

    const TPresentation* presentation = document->Presentations().Items(0);
    EXPECT_EQ(presentation->Text(), "Highlights");
    EXPECT_EQ(presentation->Description(), "For Monday");
    EXPECT_EQ(presentation->Scenes().Items(0)->Situation(), first);
    EXPECT_EQ(presentation->Scenes().Items(1)->Situation(), nullptr);
}

TEST_F(MatchStatFileTest, EveryValueSurvivesSaveAndLoad) {
    const std::vector<std::string> values = {"R&D;x",
                                             "&lt;",
                                             "a<b>c",
                                             "quote \" and '",
                                             "caf\xC3\xA9 \xC3\xBC\xC3\x9F",
                                             "\xF0\x9F\x98\x80 beyond the basic plane",
                                             "&amp;",
                                             "]]>",
                                             "100% & more;"};
    const std::vector<std::string> notes = {"line one\nline two\n\nline four", "a ]]> b ]]>",
                                            "  indented\ttab  ", "caf\xC3\xA9 & <b>"};
    TMatchStatFile document;
    for (std::size_t i = 0; i < values.size(); ++i) {
        TMatch* match = document.Matches().Add();
        match->SetName(values[i]);
        match->SetVideoFilename("tab\there\nand line");
        match->SetDateTime(38934.5);
        TSituation* situation = match->Situations().Add();
        situation->SetText(values[i]);
        situation->SetStartingTime(38934.5);
        situation->SetEndingTime(38934.6);
        situation->SetNote(notes[i % notes.size()]);
    }
    const std::string path = m_dir.File("values.vmi");
    document.SaveToFile(path);
    TMatchStatFile loaded;
    loaded.LoadFromFile(path);
    ASSERT_EQ(loaded.Matches().Count(), static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        TMatch* match = loaded.Matches().Items(static_cast<int>(i));
        EXPECT_EQ(match->Name(), values[i]);
        EXPECT_EQ(match->VideoFilename(), "tab\there\nand line");
        EXPECT_EQ(match->Situations().Items(0)->Text(), values[i]);
        EXPECT_EQ(match->Situations().Items(0)->Note(), notes[i % notes.size()]);
    }
    // Another parser reads the same texts: nothing written is outside XML.
    std::vector<std::string> situations = ReadBySecondParser(ReadFile(path), "Situation");
    ASSERT_EQ(situations.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(situations[i], values[i] + notes[i % notes.size()]);
    }
    // Saved again, the file is the same.
    const std::string again = m_dir.File("again.vmi");
    loaded.SaveToFile(again);
    EXPECT_EQ(ReadFile(again), ReadFile(path));
}

TEST_F(MatchStatFileTest, ABracketPairBeforeGreaterThanIsWrittenSoThatParsersReadIt) {
    auto document = LoadText("<MatchStatFile><ActorFile Id='1' Rel='ActorFile'>"
                             "<TeamDscr Id='2' Rel='Teams'>a]]&gt;b</TeamDscr></ActorFile>"
                             "</MatchStatFile>");
    EXPECT_EQ(document->ActorFile()->Teams().Items(0)->Text(), "a]]>b");
    const std::string saved = SaveText(*document);
    EXPECT_NE(saved.find(">a]]&gt;b<"), std::string::npos) << saved;
    EXPECT_EQ(ReadBySecondParser(saved, "TeamDscr"), std::vector<std::string>{"a]]>b"});
}

TEST_F(MatchStatFileTest, ReloadingReplacesTheContent) {
    const std::string path = m_dir.File("twice.vmi");
    WriteFile(path, ReadFile(DataPath("roundtrip.vmi")));
    TMatchStatFile document;
    document.LoadFromFile(path);
    document.LoadFromFile(path);
    EXPECT_EQ(document.ActorFile()->Teams().Count(), 2);
    EXPECT_EQ(document.SituationFile()->Situations().Count(), 1);
    EXPECT_EQ(document.Matches().Count(), 1);
    EXPECT_EQ(SaveText(document), ReadFile(path));
}

TEST_F(MatchStatFileTest, NoteForms) {
    auto document =
        LoadText("<MatchStatFile><Match Id='1' Rel='Matches' DateTime='1-1-2006'>"
                 "<Situation Id='2' Rel='Situations' StartingTime='1-1-2006' EndingTime='1-1-2006'>"
                 "<Note>plain text</Note></Situation>"
                 "<Situation Id='3' Rel='Situations' StartingTime='1-1-2006' EndingTime='1-1-2006' "
                 "Note='attr'>"
                 "<Note/></Situation></Match></MatchStatFile>");
    TSituation* text = Situation(*document, "2");
    TSituation* empty = Situation(*document, "3");
    EXPECT_EQ(text->Note(), "plain text");
    EXPECT_EQ(empty->Note(), "attr");
    // Setting a note where the element has no CDATA yet makes the new note the one read.
    empty->SetNote("new");
    EXPECT_EQ(empty->Note(), "new");
    text->SetNote("replaced");
    EXPECT_EQ(text->Note(), "replaced");
    EXPECT_EQ(text->GetXml().find("plain text"), std::string::npos);
}

TEST_F(MatchStatFileTest, SingleChildrenAreRecognisedByRelationAlone) {
    auto document = LoadText("<MatchStatFile><Match Id='5' Rel='Matches' DateTime='1-1-2006'>"
                             "<Squad Id='6' Rel='HomeTeam'>Home</Squad>"
                             "<Team Id='7' Rel='Guests'>Not loaded</Team>"
                             "<Situation Id='8' Rel='situations' StartingTime='x' EndingTime='y'/>"
                             "</Match></MatchStatFile>");
    TMatch* match = document->Matches().Items(0);
    ASSERT_NE(match->HomeTeam(), nullptr);
    EXPECT_EQ(match->HomeTeam()->Text(), "Home");
    EXPECT_EQ(match->GuestTeam(), nullptr);
    EXPECT_EQ(match->Situations().Count(), 0); // relation names are case-sensitive
}

TEST_F(MatchStatFileTest, MissingCataloguesAreCreatedAndNextIdIsRaised) {
    auto document =
        LoadText("<MatchStatFile NextId='3'><Query Id='40' Rel='Queries'/></MatchStatFile>");
    ASSERT_NE(document->ActorFile(), nullptr);
    ASSERT_NE(document->SituationFile(), nullptr);
    EXPECT_EQ(document->ActorFile()->Id(), "41");
    EXPECT_EQ(document->SituationFile()->Id(), "42");
    EXPECT_EQ(document->ActorFile()->Teams().Add()->Id(), "43");
    EXPECT_EQ(
        SaveText(*document),
        "\r\n<MatchStatFile NextId=\"43\">\r\n  <Query Id=\"40\" Rel=\"Queries\"/>\r\n"
        "  <ActorFile Id=\"41\" Rel=\"ActorFile\">\r\n    <TeamDscr Id=\"43\" Rel=\"Teams\"/>\r\n"
        "  </ActorFile>\r\n  <SituationFile Id=\"42\" Rel=\"SituationFile\"/>\r\n"
        "</MatchStatFile>\r\n");
}

TEST_F(MatchStatFileTest, LoadedIdentifiersAreNotShadowedByTheConstructorsOnes) {
    auto document = LoadText("<MatchStatFile NextId='9'><ActorFile Id='8' Rel='ActorFile'/>"
                             "<SituationFile Id='9' Rel='SituationFile'/>"
                             "<Presentation Id='1' Rel='Presentations'>P</Presentation>"
                             "</MatchStatFile>");
    EXPECT_EQ(document->FindById("1"), document->Presentations().Items(0));
    EXPECT_EQ(document->FindById("8"), document->ActorFile());
}

TEST_F(MatchStatFileTest, ReferencesOfTheWrongClassAreTypeErrors) {
    auto document =
        LoadText("<MatchStatFile><Match Id='1' Rel='Matches' DateTime='1-1-2006'>"
                 "<Situation Id='2' Rel='Situations' TeamId='2' StartingTime='1-1-2006' "
                 "EndingTime='1-1-2006'/></Match>"
                 "<Presentation Id='3' Rel='Presentations'><Scene Id='4' Rel='Scenes' "
                 "SituationId='1'/></Presentation></MatchStatFile>");
    EXPECT_THROW(Situation(*document, "2")->Team(), std::runtime_error);
    EXPECT_THROW(document->Presentations().Items(0)->Scenes().Items(0)->Situation(),
                 std::runtime_error);
}

TEST_F(MatchStatFileTest, TeamNamesLoseOuterBlanksOnReload) {
    TMatchStatFile document;
    document.ActorFile()->Teams().Add()->SetText("  Padded   Name ");
    const std::string path = m_dir.File("blanks.vmi");
    document.SaveToFile(path);
    TMatchStatFile loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.ActorFile()->Teams().Items(0)->Text(), "Padded Name");
}

struct TEncodingCase {
    std::string bytes;
    std::string name;
};

// text as UTF-16 with its byte-order mark.
std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST_F(MatchStatFileTest, SingleByteFilesTellWindows1252FromLatin1) {
    const std::string team = "<MatchStatFile><ActorFile Id='1' Rel='ActorFile'><TeamDscr "
                             "Id='2' Rel='Teams'>\x80\x93\x94\x9F</TeamDscr></ActorFile>"
                             "</MatchStatFile>";
    // Without a declaration: the euro sign, curly quotes and Y with diaeresis of Windows-1252.
    EXPECT_EQ(LoadText(team)->ActorFile()->Teams().Items(0)->Text(),
              "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xC5\xB8");
    // Declared Latin-1: the control characters of that range, as they are.
    EXPECT_EQ(LoadText("<?xml version='1.0' encoding='ISO-8859-1'?>" + team)
                  ->ActorFile()
                  ->Teams()
                  .Items(0)
                  ->Text(),
              "\xC2\x80\xC2\x93\xC2\x94\xC2\x9F");
}

TEST_F(MatchStatFileTest, Utf16KeepsCharactersBeyondTheBasicPlane) {
    const std::u16string file = u"<MatchStatFile><ActorFile Id='1' Rel='ActorFile'><TeamDscr "
                                u"Id='2' Rel='Teams'>a\U0001F600\U00010000\U0010FFFF</TeamDscr>"
                                u"</ActorFile></MatchStatFile>";
    for (bool bigEndian : {false, true}) {
        EXPECT_EQ(LoadText(Utf16(file, bigEndian))->ActorFile()->Teams().Items(0)->Text(),
                  "a\xF0\x9F\x98\x80\xF0\x90\x80\x80\xF4\x8F\xBF\xBF")
            << (bigEndian ? "BE" : "LE");
    }
    // A surrogate without its partner is no character.
    for (const std::u16string& lone :
         {std::u16string(u"<MatchStatFile>") + char16_t(0xD83D) + u"x</MatchStatFile>",
          std::u16string(u"<MatchStatFile>") + char16_t(0xDE00) + u"</MatchStatFile>",
          std::u16string(u"<MatchStatFile/>") + char16_t(0xD83D)}) {
        for (bool bigEndian : {false, true}) {
            try {
                LoadText(Utf16(lone, bigEndian));
                ADD_FAILURE() << "a lone surrogate loaded";
            } catch (const EKivXmlError& e) {
                EXPECT_NE(std::string(e.what()).find("surrogate"), std::string::npos) << e.what();
            }
        }
    }
}

TEST_F(MatchStatFileTest, EncodingsFollowMarkDeclarationOrContent) {
    const std::string body = "<MatchStatFile><ActorFile Id='1' Rel='ActorFile'><TeamDscr Id='2' "
                             "Rel='Teams'>Caf\xE9</TeamDscr></ActorFile></MatchStatFile>";
    std::string utf16 = "\xFF\xFE";
    for (unsigned char c : std::string("<MatchStatFile><ActorFile Id='1' Rel='ActorFile'><TeamDscr "
                                       "Id='2' Rel='Teams'>Caf"))
        utf16 += std::string{static_cast<char>(c), '\0'};
    utf16 += std::string("\xE9\0", 2);
    for (unsigned char c : std::string("</TeamDscr></ActorFile></MatchStatFile>"))
        utf16 += std::string{static_cast<char>(c), '\0'};
    const std::vector<TEncodingCase> cases = {
        {body, "windows-1252 fallback"},
        {"<?xml version='1.0' encoding='ISO-8859-1'?>" + body, "declared Latin-1"},
        {"\xEF\xBB\xBF<MatchStatFile><ActorFile Id='1' Rel='ActorFile'><TeamDscr Id='2' "
         "Rel='Teams'>Caf\xC3\xA9</TeamDscr></ActorFile></MatchStatFile>",
         "UTF-8 with mark"},
        {"<MatchStatFile><ActorFile Id='1' Rel='ActorFile'><TeamDscr Id='2' "
         "Rel='Teams'>Caf&#233;</TeamDscr></ActorFile></MatchStatFile>",
         "reference"},
        {utf16, "UTF-16 with mark"},
    };
    for (const TEncodingCase& c : cases) {
        auto document = LoadText(c.bytes);
        EXPECT_EQ(document->ActorFile()->Teams().Items(0)->Text(), "Caf\xC3\xA9") << c.name;
    }
}

struct TMalformedCase {
    std::string name;
    std::string bytes;
    std::string message;
};

TEST_F(MatchStatFileTest, MalformedFilesFailWithTheFileAndPosition) {
    const std::vector<TMalformedCase> cases = {
        {"empty", "", "no root element"},
        {"binary", std::string("\x00\x01\x02\xFF\xFE\x89PNG\r\n\x1A", 12), ""},
        {"truncated", "<MatchStatFile>\r\n  <ActorFile Id=\"1\" Rel=\"ActorFile\">\r\n  <Team",
         "line 3"},
        {"undefined entity",
         "<MatchStatFile>\r\n<Query Id='1' Rel='Queries'>&copy;</Query></MatchStatFile>",
         "undefined entity \"&copy;\" (line 2"},
        {"other root", "<Other/>", "The root element is \"Other\", not \"MatchStatFile\"."},
        {"encoding", "<?xml version='1.0' encoding='EBCDIC'?><MatchStatFile/>",
         "unsupported encoding"},
        {"missing date-time",
         "<MatchStatFile>\r\n<Match Id='1' Rel='Matches' DateTime='1-1-2006'>\r\n"
         "<Situation Id='7' Rel='Situations' StartingTime='1-1-2006'/></Match></MatchStatFile>",
         "Attribute named \"EndingTime\" in element with id \"7\" is not a datetime (line 3, "
         "column 1)."},
        {"second root", "<MatchStatFile>\r\n</MatchStatFile><extra/>",
         "a second root element (line 2, column 17)."},
        {"text after the root", "<MatchStatFile/>\r\n\r\n  trailing words",
         "text after the root element (line 3, column 3)."},
    };
    for (const TMalformedCase& c : cases) {
        try {
            LoadText(c.bytes);
            ADD_FAILURE() << c.name << " loaded";
        } catch (const EKivXmlError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(m_dir.File("in.vmi")), std::string::npos)
                << c.name << ": " << message;
            EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
        }
    }
    EXPECT_THROW(TMatchStatFile().LoadFromFile(m_dir.File("absent.vmi")), EKivXmlError);
    try {
        TMatchStatFile().LoadFromFile(m_dir.Path());
        ADD_FAILURE() << "a folder loaded";
    } catch (const EKivXmlError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot read \"" + m_dir.Path() + "\": it is a folder.");
    }
}

TEST_F(MatchStatFileTest, SavingOverAFileKeepsItsPermissions) {
    namespace fs = std::filesystem;
    const std::string target = m_dir.File("private.vmi");
    WriteFile(target, "old");
    // Shared with the group and others, beyond what the usual umask of 022 lets a new file have.
    const fs::perms shared = fs::perms::owner_read | fs::perms::owner_write |
                             fs::perms::group_read | fs::perms::group_write |
                             fs::perms::others_read | fs::perms::others_write;
    fs::permissions(target, shared);
    const mode_t previous = ::umask(022);
    TMatchStatFile().SaveToFile(target);
    ::umask(previous);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, shared);
    EXPECT_EQ(ReadFile(target), kNewDocument);
}

TEST_F(MatchStatFileTest, LenientLoadDefersDateTimeErrorsToTheReader) {
    auto document = LoadText("<MatchStatFile><Match Id='1' Rel='Matches'/></MatchStatFile>",
                             TDateTimeCheck::Lenient);
    EXPECT_THROW(document->Matches().Items(0)->DateTime(), EKivXmlError);
    // The next load, also through the base class, checks again.
    const std::string path = m_dir.File("in.vmi");
    TKivXmlDocument& base = *document;
    EXPECT_THROW(base.LoadFromFile(path), EKivXmlError);
    EXPECT_THROW(document->LoadFromFile(path), EKivXmlError);
    EXPECT_NO_THROW(base.LoadFromFile(path, TDateTimeCheck::Lenient));
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(MatchStatFileTest, SaveReplacesTheFileInsteadOfWritingIntoIt) {
    // A hard link still sees the old file: the new bytes went to a file of their own.
    const std::string target = m_dir.File("target.vmi");
    const std::string link = m_dir.File("link.vmi");
    WriteFile(target, "old bytes");
    ASSERT_EQ(::link(target.c_str(), link.c_str()), 0);
    TMatchStatFile().SaveToFile(target);
    EXPECT_EQ(ReadFile(target), kNewDocument);
    EXPECT_EQ(ReadFile(link), "old bytes");
    EXPECT_EQ(FilesIn(m_dir.Path()), (std::vector<std::string>{"link.vmi", "target.vmi"}));
}

TEST_F(MatchStatFileTest, WriteFailureLeavesTheOldFileAndNoTemporaryFile) {
    const std::string target = m_dir.File("target.vmi");
    WriteFile(target, "old bytes");
    // Failing in the last piece written, and in one written while the tree is still walked.
    for (int teams : {20, 8000}) {
        TMatchStatFile document;
        for (int i = 0; i < teams; ++i) {
            document.ActorFile()->Teams().Add()->SetText("A team with a long name");
        }
        {
            testsupport::TFileSizeLimit full(512);
            try {
                document.SaveToFile(target);
                ADD_FAILURE() << "saved beyond the limit";
            } catch (const EKivXmlError& e) {
                EXPECT_EQ(std::string(e.what()), "Cannot save \"" + target + "\": File too large.");
            }
        }
        EXPECT_EQ(ReadFile(target), "old bytes");
        EXPECT_EQ(FilesIn(m_dir.Path()), std::vector<std::string>{"target.vmi"});
        EXPECT_TRUE(document.Modified());
    }
}

TEST_F(MatchStatFileTest, FailedSaveNamesThePathAndLeavesNoTrace) {
    TMatchStatFile document;
    document.ActorFile()->Teams().Add();
    const std::string blocked = m_dir.File("file") + "/sub.vmi";
    WriteFile(m_dir.File("file"), "x");
    try {
        document.SaveToFile(blocked);
        FAIL() << "saved";
    } catch (const EKivXmlError& e) {
        EXPECT_NE(std::string(e.what()).find(blocked), std::string::npos) << e.what();
    }
    EXPECT_TRUE(document.Modified());

    // A save over an existing file replaces it whole and leaves no temporary file behind.
    const std::string target = m_dir.File("target.vmi");
    WriteFile(target, "old");
    document.SaveToFile(target);
    EXPECT_EQ(ReadFile(target).substr(0, 16), "\r\n<MatchStatFile");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2);
    EXPECT_THROW(document.SaveToFile(m_dir.Path()), EKivXmlError);
}

} // namespace
