// Shows the query frame over a media index, page by page, and saves a screenshot of each:
// what a user sees, for a look under xvfb-run. Not a test.
//   frame-shots INDEX.vmi VIDEO OUTPUT-FOLDER

#include "CategorySelectionComboBox.h"
#include "IncrementalQueryView.h"
#include "MediaDisplay.h"
#include "QueryResultIndex.h"
#include "QueryWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScreen>
#include <QTest>

#include <iostream>

namespace {

void Choose(TCategorySelectionComboBox* box, const QString& text) {
    const int index = box->findText(text);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void Shoot(QWidget& window, const QString& file) {
    QTest::qWait(1500);
    window.screen()->grabWindow(0).save(file);
    std::cout << file.toStdString() << "\n";
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::cerr << "usage: frame-shots INDEX.vmi VIDEO OUTPUT-FOLDER\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(out);
    TLog log;
    TRepositoryControllerDouble repository(log);
    auto viewFactory = std::make_shared<TFrameViewFactory>();
    auto controller = std::make_shared<TQueryController>(
        &repository, nullptr,
        std::make_shared<TQueryResultCoordinatorFactory>(
            std::make_shared<TQueryResultFactory>(),
            std::make_shared<TMediaFactory>(std::make_shared<TScriptedUserQuestions>())),
        std::make_shared<TQueryDefinitionCoordinatorFactory>(
            std::make_shared<TQueryDefinitionFactory>()),
        viewFactory, std::make_shared<TQueryModel>());
    TQueryFrame& frame = *viewFactory->frame;
    TMatchStatFile document;
    document.LoadFromFile(argv[1]);
    repository.document = &document;
    controller->SetDocument(&document);
    frame.setWindowTitle("Clipwise");
    frame.setGeometry(0, 0, 1280, 900);
    frame.show();
    frame.ShowPage(TQueryFrame::kPageClips);

    frame.MediaDisplay()->SetFileName(
        QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    QElapsedTimer opening;
    opening.start();
    while (frame.MediaDisplay()->ImageSourceWidth() <= 0 && opening.elapsed() < 5000) {
        QTest::qWait(50);
    }
    std::cout << "picture " << frame.MediaDisplay()->ImageSourceWidth() << " x "
              << frame.MediaDisplay()->ImageSourceHeight() << "\n";
    QTest::qWait(500);
    frame.MediaDisplay()->Pause();
    frame.QueryResultIndex()->ClipChanged(0, 0);
    Shoot(frame, out + "/1-clips.png");

    frame.ShowPage(TQueryFrame::kPageList);
    TIncrementalQueryView* general = frame.GeneralProperties();
    for (int column = 0; column < general->ColumnCount(); ++column) {
        if (general->Cell(column, 0) == "Clip Type") {
            general->ClickCell(column, 1);
        }
    }
    Shoot(frame, out + "/2-list.png");

    frame.ShowPage(TQueryFrame::kPageTable);
    Choose(frame.TablePrimaryCategory(), "Team");
    Choose(frame.TableSecondarySelection(), "Outcome");
    Shoot(frame, out + "/3-table.png");

    frame.ShowPage(TQueryFrame::kPageGraph);
    Shoot(frame, out + "/4-graph.png");
    controller.reset();
    viewFactory->frame.reset();
    return 0;
}
