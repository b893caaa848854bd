// The top-level error handler: errors raised by a timer tick, a queued call or a guarded
// command reach it, their message is shown, and the event loop goes on. This program runs with the
// application object of the program itself, so it has its own main.

#include "ClipwiseApplication.h"

#include "ScriptedUserQuestions.h"
#include "TestSupport.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

namespace {

TClipwiseApplication& App() {
    return *static_cast<TClipwiseApplication*>(qApp);
}

// Runs the event loop until quit, with a timer that ends it should the test go wrong; answers
// the exit code, or -1 when the timer had to end it.
int RunLoop(QEventLoop& loop) {
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(-1); });
    return loop.exec();
}

class ClipwiseApplicationTest : public ::testing::Test {
protected:
    void SetUp() override { App().SetUserQuestions(&m_questions); }
    void TearDown() override { App().SetUserQuestions(nullptr); }

    TScriptedUserQuestions m_questions;
};

TEST_F(ClipwiseApplicationTest, AnErrorInATimerTickIsShownAndTheLoopGoesOn) {
    m_questions.Answer(TQuestionAnswer::Ok);
    QEventLoop loop;
    bool later = false;
    QTimer failing;
    failing.setSingleShot(true);
    QObject::connect(&failing, &QTimer::timeout, [] {
        throw std::runtime_error("The time of the situation is after the end of the video");
    });
    failing.start(0);
    QTimer::singleShot(20, &loop, [&] {
        later = true;
        loop.exit(0);
    });

    EXPECT_EQ(RunLoop(loop), 0);
    EXPECT_TRUE(later);
    ASSERT_EQ(m_questions.Prompts().size(), 1U);
    const TUserPrompt& prompt = m_questions.Prompts()[0];
    EXPECT_EQ(prompt.text, "The time of the situation is after the end of the video");
    EXPECT_EQ(prompt.kind, TQuestionKind::Warning);
    EXPECT_EQ(prompt.buttons, TQuestionButtons::Ok);
}

TEST_F(ClipwiseApplicationTest, ErrorsOfQueuedCallsCommandsAndUnknownThrowsReachTheHandler) {
    QPushButton button("Open");
    QObject::connect(&button, &QPushButton::clicked,
                     Guarded([] { throw std::runtime_error("Cannot load \"x.vmi\""); }));
    button.show();

    const std::vector<std::function<void()>> sources = {
        [] {
            QMetaObject::invokeMethod(
                qApp, [] { throw std::runtime_error("queued"); }, Qt::QueuedConnection);
        },
        [&button] { QTest::mouseClick(&button, Qt::LeftButton); },
        [] {
            QMetaObject::invokeMethod(
                qApp, [] { throw 42; }, Qt::QueuedConnection);
        },
    };
    for (const auto& raise : sources) {
        m_questions.Answer(TQuestionAnswer::Ok);
        QEventLoop loop;
        QTimer::singleShot(0, &loop, raise);
        QTimer::singleShot(20, &loop, [&loop] { loop.exit(0); });
        EXPECT_EQ(RunLoop(loop), 0);
    }
    const std::vector<QString> expected = {"queued", "Cannot load \"x.vmi\"",
                                           "An unexpected error occurred."};
    EXPECT_EQ(m_questions.QuestionTexts(), expected);
    // The button took the click as a click: it is not left pressed.
    EXPECT_FALSE(button.isDown());
}

// Shows each message by running a nested event loop, as a message box does, during which
// more errors arrive.
class TNestingQuestions final : public IUserQuestions {
public:
    std::vector<QString> shown;
    std::function<void()> whileFirstShows;
    std::function<void()> afterFirst;
    TQuestionAnswer Ask(TQuestionKind, const QString& text, TQuestionButtons) override {
        shown.push_back(text);
        if (shown.size() == 1 && whileFirstShows) {
            QEventLoop box;
            QTimer::singleShot(0, &box, whileFirstShows);
            QTimer::singleShot(30, &box, [&box] { box.exit(0); });
            box.exec();
            afterFirst();
        }
        return TQuestionAnswer::Ok;
    }
    QString OpenFileDialog(const QString&, const QString&, const QString&,
                           const QString&) override {
        return {};
    }
    QString SaveFileDialog(const QString&, const QString&, const QString&,
                           const QString&) override {
        return {};
    }
    QString FolderDialog(const QString&, const QString&) override { return {}; }
};

TEST(ClipwiseApplication, ErrorsDuringAMessageWaitForItAndRepeatsAreShownOnce) {
    TNestingQuestions questions;
    App().SetUserQuestions(&questions);
    // A timer that fails at every tick while the first message is on screen.
    QTimer ticking;
    QObject::connect(&ticking, &QTimer::timeout, [] { throw std::runtime_error("tick"); });
    questions.whileFirstShows = [&ticking] { ticking.start(1); };
    questions.afterFirst = [&ticking] { ticking.stop(); };

    QEventLoop loop;
    QTimer::singleShot(0, &loop, [] { throw std::runtime_error("first"); });
    QTimer::singleShot(50, &loop, [&loop] { loop.exit(0); });
    EXPECT_EQ(RunLoop(loop), 0);
    App().SetUserQuestions(nullptr);

    // The ticks during the first message made one message, shown after it.
    const std::vector<QString> expected = {"first", "tick"};
    EXPECT_EQ(questions.shown, expected);
}

TEST(ClipwiseApplication, AFailingMessageGoesToTheStandardErrorAndTheLoopGoesOn) {
    // No reply is scripted: showing the message throws too.
    TScriptedUserQuestions questions;
    App().SetUserQuestions(&questions);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [] { throw std::runtime_error("lost"); });
    QTimer::singleShot(20, &loop, [&loop] { loop.exit(0); });
    EXPECT_EQ(RunLoop(loop), 0);
    App().SetUserQuestions(nullptr);
    EXPECT_EQ(questions.QuestionTexts(), std::vector<QString>{"lost"});
}

} // namespace

int main(int argc, char** argv) {
    return testsupport::RunAllTests<TClipwiseApplication>(argc, argv);
}
