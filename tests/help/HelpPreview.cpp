// Shows the help pane on every page that ships with the program, at the width it has in the
// main window, and saves a picture of each: help-preview <folder> [width height].

#include "FraHelp.h"
#include "HelpController.h"
#include "HelpLocation.h"
#include "HelpModel.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QTextBrowser>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: help-preview <folder> [width height]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int width = argc > 3 ? std::atoi(argv[2]) : 250;
    const int height = argc > 3 ? std::atoi(argv[3]) : 640;
    QDir().mkpath(out);

    THelpFrame frame;
    THelpController controller(
        std::make_shared<THelpModel>(FindHelpIndex(QCoreApplication::applicationDirPath())),
        &frame);
    frame.resize(width, height);
    frame.show();

    const QString folder = controller.GetHelpFolder();
    QDirIterator pages(folder, {"*.htm"}, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString page = pages.next();
        QString topic = page.mid(folder.size()).chopped(4);
        topic.replace('/', '\\');
        // A topic of the index as the menu would show it; any other page as a link would.
        bool listed = false;
        for (int i = 0; i < controller.GetTopicCount(); ++i) {
            listed = listed || controller.GetTopicAt(i) == topic;
        }
        if (listed) {
            controller.ShowTopic(topic);
        } else {
            controller.Navigate(page);
        }
        QCoreApplication::processEvents();
        QString name = page.mid(folder.size());
        name.replace('/', '-').replace(".htm", "");
        // The whole page as one tall picture, and the first screen as the user sees it.
        frame.grab().save(out + "/" + name + ".png");
        QTextBrowser* browser = frame.Browser();
        const int full = static_cast<int>(browser->document()->size().height()) + 40;
        frame.resize(width, std::max(height, full));
        QCoreApplication::processEvents();
        frame.grab().save(out + "/" + name + "-full.png");
        frame.resize(width, height);
        std::printf("%s\n", qPrintable(name));
    }
    return 0;
}
