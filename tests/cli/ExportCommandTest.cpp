// clipwise-cli export, run as a user would run it, over the test video bits.mp4 (4 s, 25 frames
// a second, frame n showing n in binary). The output is decoded with ffmpeg, frame by frame.

#include "CliRunner.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstdint>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::DataPath;
using testsupport::ReadFile;
using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFramesPerSecond = 25;

// GStreamer and the libraries it loads keep memory until exit, which the leak checker of a
// sanitized clipwise-cli would otherwise report.
class ExportCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        qputenv("LSAN_OPTIONS",
                "suppressions=" CLIPWISE_REEL_LSAN_SUPPRESSIONS ":print_suppressions=0");
    }

    std::string Video() const { return DataPath("media/bits.mp4"); }
    std::string Out(const std::string& name) const { return m_dir.File(name); }

    // Files in the test folder besides the media indexes and videos the test put there.
    std::vector<std::string> Written() const {
        std::vector<std::string> names;
        for (const QString& name :
             QDir(QString::fromStdString(m_dir.Path())).entryList(QDir::Files, QDir::Name)) {
            if (!name.endsWith(QLatin1String(".vmi")) && !name.startsWith(QLatin1String("src"))) {
                names.push_back(name.toStdString());
            }
        }
        return names;
    }

    TTempDir m_dir;
};

struct TSituationSpec {
    int id;
    const char* type;
    const char* team; // "11" home, "12" guest
    const char* start;
    const char* end;
};

// One match with the given video and situations, written as a media index.
std::string WriteIndex(const std::string& path, const std::string& video,
                       const std::vector<TSituationSpec>& situations) {
    std::string xml = "<MatchStatFile NextId=\"900\"><ActorFile Id=\"1\" Rel=\"ActorFile\"/>"
                      "<SituationFile Id=\"2\" Rel=\"SituationFile\"/>"
                      "<Match Id=\"10\" Rel=\"Matches\" DateTime=\"05-08-2006 15:30:00\" "
                      "Name=\"Cup\" VideoFilename=\"" +
                      video +
                      "\"><Team Id=\"11\" Rel=\"HomeTeam\">Lions</Team>"
                      "<Team Id=\"12\" Rel=\"GuestTeam\">Tigers</Team>";
    for (const TSituationSpec& s : situations) {
        xml += "<Situation Id=\"" + std::to_string(s.id) + "\" Rel=\"Situations\" TeamId=\"" +
               s.team + "\" StartingTime=\"05-08-2006 " + s.start + "\" EndingTime=\"05-08-2006 " +
               s.end + "\">" + s.type + "</Situation>";
    }
    xml += "</Match></MatchStatFile>";
    WriteFile(path, xml);
    return path;
}

QByteArray RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120'000);
    return process.readAllStandardOutput();
}

// The luma planes of every frame of a video, decoded to kWidth x kHeight.
std::vector<QByteArray> Frames(const std::string& video) {
    const QByteArray raw =
        RunTool(QStringLiteral("ffmpeg"),
                {"-v", "error", "-i", QString::fromStdString(video), "-f", "rawvideo", "-pix_fmt",
                 "gray", "-s", QStringLiteral("%1x%2").arg(kWidth).arg(kHeight), "-"});
    std::vector<QByteArray> frames;
    const int size = kWidth * kHeight;
    for (qsizetype at = 0; at + size <= raw.size(); at += size) {
        frames.push_back(raw.mid(at, size));
    }
    return frames;
}

int FrameNumber(const QByteArray& luma) {
    int number = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (static_cast<unsigned char>(luma[kHeight / 2 * kWidth + bit * 40 + 20]) > 128) {
            number |= 1 << bit;
        }
    }
    return number;
}

// Whether the band at the bottom of the picture, where the captions go, shows anything bright
// within the stripes that are black in this frame.
bool ShowsCaption(const QByteArray& luma) {
    const int number = FrameNumber(luma);
    for (int y = kHeight * 3 / 4; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int stripe = x / 40;
            if (x % 40 > 3 && x % 40 < 36 && !(number & (1 << stripe)) &&
                static_cast<unsigned char>(luma[y * kWidth + x]) > 160) {
                return true;
            }
        }
    }
    return false;
}

// "codec|type|width|height" of each video stream, "codec|type" of each audio stream, and the
// container's duration.
std::string Probe(const std::string& video) {
    return RunTool(QStringLiteral("ffprobe"),
                   {"-v", "error", "-show_entries",
                    "stream=codec_type,codec_name,width,height:format=duration", "-of",
                    "compact=p=0:nk=1", QString::fromStdString(video)})
        .toStdString();
}

double Duration(const std::string& video) {
    const QStringList lines = QString::fromStdString(Probe(video)).split(u'\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? -1 : lines.back().toDouble();
}

TEST_F(ExportCommand, RendersTheClipsInDisplayOrderWithChaptersAndTitles) {
    // The video lies in the media folder under its file name; the document names a Windows path.
    const std::string folder = Out("srcmedia");
    QDir().mkpath(QString::fromStdString(folder));
    QFile::copy(QString::fromStdString(Video()), QString::fromStdString(folder + "/bits.mp4"));
    const std::string index =
        WriteIndex(Out("cup.vmi"), "D:\\Video\\bits.mp4",
                   {{20, "Attack", "11", "00:00:01", "00:00:03"},
                    {30, "Corner", "12", "00:00:00", "00:00:01"},
                    {40, "Corner", "12", "00:00:03", "00:00:09"}}); // cut at the video's end
    // An older reel is replaced and keeps its permissions.
    WriteFile(Out("reel.webm"), "old");
    ::chmod(Out("reel.webm").c_str(), 0640);

    // From, twice: latest first.
    const TCliRun run = RunCli({"export", index, Out("reel.webm"), "--sort", "From", "--sort",
                                "From", "--titles", "--media-folder", folder});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, ""); // not a terminal: no progress bar
    EXPECT_EQ(Written(), std::vector<std::string>({"reel.vtt", "reel.webm"}));
    struct stat info {};
    ASSERT_EQ(::stat(Out("reel.webm").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // Each clip from the frame at its start to the one before its end, within one frame.
    const std::vector<QByteArray> frames = Frames(Out("reel.webm"));
    struct TClip {
        int first, last;
    };
    const std::vector<TClip> clips = {{75, 99}, {25, 74}, {0, 24}};
    std::size_t at = 0;
    for (const TClip& clip : clips) {
        const int length = clip.last - clip.first + 1;
        ASSERT_LE(at + static_cast<std::size_t>(length), frames.size() + 1);
        EXPECT_NEAR(FrameNumber(frames[at]), clip.first, 1) << "clip from " << clip.first;
        const std::size_t last = std::min(at + static_cast<std::size_t>(length), frames.size()) - 1;
        EXPECT_NEAR(FrameNumber(frames[last]), clip.last, 1) << "clip to " << clip.last;
        for (std::size_t f = at + 1; f < last; ++f) {
            ASSERT_GT(FrameNumber(frames[f]), FrameNumber(frames[f - 1])) << "frame " << f;
        }
        at += static_cast<std::size_t>(length);
    }
    EXPECT_NEAR(static_cast<double>(frames.size()), 100, 1);
    EXPECT_NEAR(Duration(Out("reel.webm")), 4.0, 0.05);
    EXPECT_EQ(Probe(Out("reel.webm")).rfind("vp8|video|320|240\n", 0), 0u)
        << Probe(Out("reel.webm"));
    EXPECT_TRUE(ShowsCaption(frames.front()));
    EXPECT_TRUE(ShowsCaption(frames.back()));

    EXPECT_EQ(ReadFile(Out("reel.vtt")),
              "WEBVTT\n"
              "\n1\n00:00:00.000 --> 00:00:01.000\nCorner \u00b7 Tigers \u00b7 Cup \u00b7 "
              "00:00:03\u201300:00:09\n"
              "\n2\n00:00:01.000 --> 00:00:03.000\nAttack \u00b7 Lions \u00b7 Cup \u00b7 "
              "00:00:01\u201300:00:03\n"
              "\n3\n00:00:03.000 --> 00:00:04.000\nCorner \u00b7 Tigers \u00b7 Cup \u00b7 "
              "00:00:00\u201300:00:01\n");
}

TEST_F(ExportCommand, KeepsTheSoundInEitherFormatAndScalesThePicture) {
    const std::string source = Out("srcsound.mp4");
    RunTool(QStringLiteral("ffmpeg"),
            {"-v", "error", "-i", QString::fromStdString(Video()), "-f", "lavfi", "-i",
             "sine=frequency=440:duration=4", "-c:v", "copy", "-c:a", "aac", "-shortest",
             QString::fromStdString(source)});
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(source)));
    const std::string index = WriteIndex(Out("cup.vmi"), source,
                                         {{20, "Attack", "11", "00:00:01", "00:00:02"},
                                          {30, "Corner", "12", "00:00:02", "00:00:04"}});
    struct TCase {
        std::string out;
        std::vector<std::string> options;
        std::string streams;
    };
    const std::vector<TCase> cases = {
        {"reel.webm", {"--size", "160x120"}, "vp8|video|160|120\nvorbis|audio\n"},
        {"reel.mp4", {}, "h264|video|320|240\naac|audio\n"},
    };
    for (const TCase& c : cases) {
        std::vector<std::string> args = {"export", index, Out(c.out)};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const TCliRun run = RunCli(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(Probe(Out(c.out)).rfind(c.streams, 0), 0u) << Probe(Out(c.out));
        EXPECT_NEAR(Duration(Out(c.out)), 3.0, 0.1) << c.out;

        // The tone is there, not the silence that fills a track without a source.
        const QByteArray samples =
            RunTool(QStringLiteral("ffmpeg"),
                    {"-v", "error", "-i", QString::fromStdString(Out(c.out)), "-map", "0:a", "-f",
                     "s16le", "-ac", "1", "-ar", "8000", "-"});
        EXPECT_NEAR(samples.size() / 2 / 8000.0, 3.0, 0.1) << c.out;
        double energy = 0;
        const auto* pcm = reinterpret_cast<const std::int16_t*>(samples.constData());
        for (qsizetype i = 0; i < samples.size() / 2; ++i) {
            energy += static_cast<double>(pcm[i]) * pcm[i];
        }
        EXPECT_GT(std::sqrt(energy / std::max<qsizetype>(1, samples.size() / 2)), 1000) << c.out;
    }
    EXPECT_FALSE(ShowsCaption(Frames(Out("reel.mp4")).front())); // no --titles, no caption
}

TEST_F(ExportCommand, SkipsClipsItCannotPlayWithAWarningOrRefusesWithStrict) {
    const std::string missing = WriteIndex(Out("missing.vmi"), Out("absent.mp4"),
                                           {{20, "Attack", "11", "00:00:01", "00:00:02"}});
    const std::string index = WriteIndex(Out("cup.vmi"), Video(),
                                         {{20, "Attack", "11", "00:00:01", "00:00:02"},
                                          {30, "Corner", "12", "00:00:02", "00:00:02"},
                                          {40, "Corner", "12", "00:00:03", "00:00:01"},
                                          {50, "Attack", "12", "00:00:05", "00:00:06"}});
    const std::string none = WriteIndex(Out("none.vmi"), Video(), {});

    TCliRun run = RunCli({"export", index, Out("reel.webm"), "--sort", "From"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err,
              "clipwise-cli: warning: Skipped situation 30 (Corner \u00b7 Tigers \u00b7 Cup \u00b7 "
              "00:00:02\u201300:00:02): its end is not after its start.\n"
              "clipwise-cli: warning: Skipped situation 40 (Corner \u00b7 Tigers \u00b7 Cup \u00b7 "
              "00:00:03\u201300:00:01): its end is not after its start.\n"
              "clipwise-cli: warning: Skipped situation 50 (Attack \u00b7 Tigers \u00b7 Cup \u00b7 "
              "00:00:05\u201300:00:06): it starts after the end of its video \"" +
                  Video() + "\".\n");
    EXPECT_NEAR(Duration(Out("reel.webm")), 1.0, 0.05);
    QFile::remove(QString::fromStdString(Out("reel.webm")));
    QFile::remove(QString::fromStdString(Out("reel.vtt")));

    struct TCase {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const std::vector<TCase> cases = {
        {{"export", index, Out("reel.webm"), "--strict"}, 1, "clipwise-cli: Skipped situation 30"},
        {{"export", missing, Out("reel.webm")},
         1,
         "clipwise-cli: warning: Skipped situation 20 (Attack \u00b7 Lions \u00b7 Cup \u00b7 "
         "00:00:01\u201300:00:02): its video \"" +
             Out("absent.mp4") +
             "\" was not found.\nclipwise-cli: No clip of the result can be "
             "exported.\n"},
        {{"export", none, Out("reel.webm")}, 1, "clipwise-cli: The result holds no clips.\n"},
        {{"export", index, Out("reel.webm"), "--select", "Clip Type=Corner", "--select",
          "Team=Lions"},
         1,
         "clipwise-cli: The result holds no clips.\n"},
        {{"export", index, Out("reel.avi")}, 1, "the file name must end with .webm or .mp4"},
        {{"export", index, Out("cup.vmi/reel.webm")}, 1, "Cannot export \""},
        {{"export", index, Out("no/such/folder/reel.webm")}, 1, "No such file or directory"},
        {{"export", index, Out("reel.webm"), "--size", "wide"}, 2, "--size needs WIDTHxHEIGHT"},
    };
    for (const TCase& c : cases) {
        run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args[2] << ": " << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(Written(), std::vector<std::string>()) << c.args[2];
    }
}

TEST_F(ExportCommand, CtrlCLeavesNothingBehind) {
    std::vector<TSituationSpec> situations;
    for (int i = 0; i < 40; ++i) {
        situations.push_back({100 + i, "Attack", "11", "00:00:00", "00:00:03.900"});
    }
    const std::string index = WriteIndex(Out("cup.vmi"), Video(), situations);
    QProcess process;
    process.start(QStringLiteral(CLIPWISE_CLI_PATH), {"export", QString::fromStdString(index),
                                                      QString::fromStdString(Out("reel.webm"))});
    ASSERT_TRUE(process.waitForStarted());
    // Interrupt once the render has begun writing its temporary file.
    QElapsedTimer clock;
    clock.start();
    while (Written().empty() && clock.elapsed() < 60'000 && process.state() == QProcess::Running) {
        QThread::msleep(20);
    }
    ASSERT_FALSE(Written().empty()) << process.readAllStandardError().toStdString();
    QThread::msleep(300);
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(60'000));
    EXPECT_EQ(process.exitCode(), 130);
    EXPECT_NE(process.readAllStandardError().indexOf("interrupted; nothing was written"), -1);
    EXPECT_EQ(Written(), std::vector<std::string>());
}

// On a terminal stderr shows one progress line, redrawn, that ends at 100 % on a line of its own.
TEST_F(ExportCommand, ShowsProgressOnATerminal) {
    const std::string index =
        WriteIndex(Out("cup.vmi"), Video(), {{20, "Attack", "11", "00:00:00", "00:00:04"}});
    const std::string out = Out("reel.webm");
    const char* args[] = {CLIPWISE_CLI_PATH, "export", index.c_str(), out.c_str(), nullptr};
    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::execv(args[0], const_cast<char* const*>(args));
        ::_exit(127);
    }
    std::string shown;
    char buffer[4096];
    pollfd watch{terminal, POLLIN, 0};
    while (::poll(&watch, 1, 60'000) > 0) {
        const ssize_t n = ::read(terminal, buffer, sizeof buffer);
        if (n <= 0) {
            break; // the program has ended and closed the terminal
        }
        shown.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(terminal);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << shown;
    EXPECT_NE(shown.find("\r["), std::string::npos) << shown;
    EXPECT_NE(shown.find(" elapsed"), std::string::npos) << shown;
    // The last redraw is complete; a terminal turns the closing line feed into CR LF.
    const std::string last = shown.substr(shown.rfind("\r["));
    EXPECT_EQ(last.rfind("\r[##############################] 100%  ", 0), 0u) << last;
    EXPECT_EQ(last.substr(last.size() - 2), "\r\n") << last;
}

} // namespace
