#include "MediaIndexViewer.h"

#include "AboutFactory.h"
#include "AboutModelFactory.h"
#include "AboutTexts.h"
#include "AboutViewFactory.h"
#include "ClipwiseApplication.h"
#include "DlgAbout.h"
#include "DlgOptions.h"
#include "FrmMediaIndex.h"
#include "HelpFactory.h"
#include "HelpLocation.h"
#include "HistoryFactory.h"
#include "MediaBackend.h"
#include "MediaFactory.h"
#include "OptionsFactory.h"
#include "ProductFacts.h"
#include "QtBusyCursor.h"
#include "QueryDefinitionCoordinatorFactory.h"
#include "QueryDefinitionFactory.h"
#include "QueryFactory.h"
#include "QueryResultCoordinatorFactory.h"
#include "QueryResultFactory.h"
#include "QueryViewFormFactory.h"
#include "RepositoryFactory.h"
#include "SplashForm.h"

#include <QFileInfo>
#include <QPointer>

#include <cstdio>

namespace {

const char* const kNoticeYears = "2003-2007";

// Hides the splash before anything is asked, so that no question waits behind it.
class TStartUpQuestions final : public IUserQuestions {
public:
    explicit TStartUpQuestions(std::shared_ptr<IUserQuestions> inner) : m_inner(std::move(inner)) {}
    void SetSplash(QWidget* splash) { m_splash = splash; }

    TQuestionAnswer Ask(TQuestionKind kind, const QString& text,
                        TQuestionButtons buttons) override {
        HideSplash();
        return m_inner->Ask(kind, text, buttons);
    }
    QString OpenFileDialog(const QString& title, const QString& filter,
                           const QString& defaultExtension, const QString& fileName) override {
        HideSplash();
        return m_inner->OpenFileDialog(title, filter, defaultExtension, fileName);
    }
    QString SaveFileDialog(const QString& title, const QString& filter,
                           const QString& defaultExtension, const QString& fileName) override {
        HideSplash();
        return m_inner->SaveFileDialog(title, filter, defaultExtension, fileName);
    }
    QString FolderDialog(const QString& title, const QString& startFolder) override {
        HideSplash();
        return m_inner->FolderDialog(title, startFolder);
    }

private:
    void HideSplash() {
        if (m_splash) {
            m_splash->hide();
        }
    }

    std::shared_ptr<IUserQuestions> m_inner;
    QPointer<QWidget> m_splash;
};

} // namespace

QStringList WithOpenSwitch(QStringList arguments) {
    if (arguments.size() >= 2 &&
        !arguments[1].startsWith(QLatin1String("-O"), Qt::CaseInsensitive) &&
        QFileInfo(arguments[1]).isFile()) {
        arguments[1] = QStringLiteral("-O") + QFileInfo(arguments[1]).absoluteFilePath();
    }
    return arguments;
}

TMediaIndexViewer::TMediaIndexViewer(std::shared_ptr<IUserQuestions> questions,
                                     QStringList arguments, const QString& programFolder)
    : m_questions(std::move(questions)) {
    auto definitionFactory = std::make_shared<TQueryDefinitionFactory>();
    auto definitionCoordinatorFactory =
        std::make_shared<TQueryDefinitionCoordinatorFactory>(definitionFactory);
    auto resultFactory = std::make_shared<TQueryResultFactory>();
    auto mediaFactory = std::make_shared<TMediaFactory>(m_questions);
    auto resultCoordinatorFactory =
        std::make_shared<TQueryResultCoordinatorFactory>(resultFactory, mediaFactory);
    auto helpFactory = std::make_shared<THelpFactory>(FindHelpIndex(programFolder));
    auto historyFactory = std::make_shared<THistoryFactory>(m_questions);
    auto optionsFactory = std::make_shared<TOptionsFactory>(
        [this] {
            auto dialog = std::make_unique<TOptionsDialog>(m_questions);
            IOptionsView* view = dialog.get();
            m_dialogs.push_back(std::move(dialog));
            return view;
        },
        programFolder);
    auto viewFactory = std::make_shared<TQueryViewFormFactory>();
    auto queryFactory = std::make_shared<TQueryFactory>(
        viewFactory, helpFactory, resultCoordinatorFactory, definitionCoordinatorFactory);
    auto aboutModelFactory = std::make_shared<TAboutModelFactory>(
        QLatin1String(kProductName), QLatin1String(kProductVersion), QString(), AboutReleaseDate(),
        QLatin1String(kNoticeYears));
    auto aboutViewFactory = std::make_shared<TAboutViewFactory>([this] {
        auto dialog = std::make_unique<TAboutDialog>();
        IAboutView* view = dialog.get();
        m_dialogs.push_back(std::move(dialog));
        return view;
    });
    auto aboutFactory = std::make_shared<TAboutFactory>(aboutModelFactory, aboutViewFactory);
    auto repositoryFactory = std::make_shared<TRepositoryFactory>(
        aboutFactory, historyFactory, optionsFactory, queryFactory, nullptr, nullptr, nullptr,
        m_questions, std::make_shared<TQtBusyCursor>(), WithOpenSwitch(std::move(arguments)));

    m_repositoryController = repositoryFactory->CreateController();
    m_form.reset(viewFactory->LastForm());
    if (m_form) {
        m_form->SetUserQuestions(m_questions);
    }
}

TMediaIndexViewer::~TMediaIndexViewer() {
    m_repositoryController.reset();
    m_form.reset();
    m_dialogs.clear();
}

void TMediaIndexViewer::OpenStartUpDocument() {
    try {
        if (!m_repositoryController->OpenFromCommandLine()) {
            m_repositoryController->OpenLastOrNew();
        }
    } catch (const std::exception& error) {
        // A document that fails to load would fail at every start: say why, and go on with
        // a new one, so that the user can open another.
        RunCommand([&] {
            m_questions->Ask(TQuestionKind::Warning, QString::fromUtf8(error.what()),
                             TQuestionButtons::Ok);
        });
        RunCommand([this] { m_repositoryController->NewDocument(); });
    }
}

int RunMediaIndexViewer(std::shared_ptr<IUserQuestions> questions) {
    // Qt Multimedia ends the process at the first player it cannot back: ask first.
    const TMediaBackendCheck backend = CheckMediaBackend();
    if (!backend.usable) {
        std::fprintf(stderr, "clipwise: %s\n", backend.message.toLocal8Bit().constData());
        questions->Ask(TQuestionKind::Warning, backend.message, TQuestionButtons::Ok);
        return 1;
    }
    auto* app = qobject_cast<TClipwiseApplication*>(QCoreApplication::instance());
    auto handOver = [app](IUserQuestions* to) {
        if (app) {
            app->SetUserQuestions(to);
        }
    };
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Velmora Clipwise"));
    auto startUp = std::make_shared<TStartUpQuestions>(questions);
    handOver(startUp.get());

    int status = 0;
    {
        std::unique_ptr<TMediaIndexViewer> viewer;
        try {
            viewer = std::make_unique<TMediaIndexViewer>(startUp, QCoreApplication::arguments(),
                                                         QCoreApplication::applicationDirPath());
        } catch (const std::exception& error) {
            questions->Ask(TQuestionKind::Warning, QString::fromUtf8(error.what()),
                           TQuestionButtons::Ok);
            handOver(nullptr);
            return 1;
        }
        {
            TSplashForm splash(
                QLatin1String(kProductName),
                QStringLiteral("Copyright \u00A9 %1 Velmora").arg(QLatin1String(kNoticeYears)));
            startUp->SetSplash(&splash);
            splash.PaintNow();
            viewer->OpenStartUpDocument();
        }
        viewer->Form()->ShowAsStored();
        status = QCoreApplication::exec();
    }
    handOver(nullptr);
    return status;
}
