// The help pages that ship with the program: every topic and context has its page, every
// link and picture resolves inside the help folder, and the pages need nothing remote.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QString HelpDir = QStringLiteral(CLIPWISE_HELP_DIR);

QString Read(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

QStringList Pages() {
    QStringList pages;
    QDirIterator it(HelpDir, {"*.htm"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        pages << it.next();
    }
    pages.sort();
    return pages;
}

QString PageOf(const QString& topic) {
    return HelpDir + "/" + QString(topic).replace(u'\\', u'/') + ".htm";
}

// The targets of href and src attributes, as written.
QStringList Links(const QString& html) {
    static const QRegularExpression attribute(R"re((?:href|src)\s*=\s*"([^"]*)")re",
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList links;
    for (const QRegularExpressionMatch& m : attribute.globalMatch(html)) {
        links << m.captured(1);
    }
    return links;
}

bool HasAnchor(const QString& html, const QString& name) {
    const QString quoted = QRegularExpression::escape(name);
    return QRegularExpression(R"re((?:id|name)\s*=\s*")re" + quoted + "\"").match(html).hasMatch();
}

TEST(HelpPages, EveryTopicAndEveryContextHasItsPage) {
    QStringList topics = Read(HelpDir + "/index.txt").split('\n');
    if (topics.last().isEmpty()) {
        topics.removeLast();
    }
    ASSERT_FALSE(topics.isEmpty());
    EXPECT_EQ(topics.first(), "Welcome");
    for (const QString& topic : topics + QStringList{"Reference\\Clips", "Reference\\List",
                                                     "Reference\\Table", "Reference\\Graph"}) {
        EXPECT_FALSE(topic.contains('\r')) << "index lines end in LF only";
        EXPECT_TRUE(QFileInfo(PageOf(topic)).isFile()) << topic.toStdString();
    }
}

TEST(HelpPages, EveryLinkResolvesInsideTheHelpFolder) {
    const QStringList pages = Pages();
    ASSERT_GE(pages.size(), 5);
    const QString root = QDir::cleanPath(HelpDir) + "/";
    for (const QString& page : pages) {
        const QString html = Read(page);
        const std::string name = page.mid(root.size()).toStdString();
        EXPECT_FALSE(html.contains("<script", Qt::CaseInsensitive)) << name;
        EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">")) << name;
        EXPECT_TRUE(QRegularExpression("<title>[^<]+</title>").match(html).hasMatch()) << name;
        for (const QString& link : Links(html)) {
            const QUrl url(link);
            ASSERT_TRUE(url.isValid() && url.isRelative()) << name << ": " << link.toStdString();
            const QString target =
                url.path().isEmpty()
                    ? page
                    : QDir::cleanPath(QFileInfo(page).absolutePath() + "/" + url.path());
            EXPECT_TRUE(target.startsWith(root)) << name << ": " << link.toStdString();
            ASSERT_TRUE(QFileInfo(target).isFile()) << name << ": " << link.toStdString();
            if (url.hasFragment()) {
                EXPECT_TRUE(HasAnchor(Read(target), url.fragment()))
                    << name << ": " << link.toStdString();
            }
        }
    }
}

TEST(HelpPages, EveryPageCanBeReachedFromTheTopics) {
    QSet<QString> reached;
    QStringList queue;
    for (const QString& topic : Read(HelpDir + "/index.txt").split('\n', Qt::SkipEmptyParts)) {
        queue << QDir::cleanPath(PageOf(topic));
    }
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        if (reached.contains(page) || !page.endsWith(".htm")) {
            continue;
        }
        reached.insert(page);
        for (const QString& link : Links(Read(page))) {
            const QString path = QUrl(link).path();
            if (!path.isEmpty()) {
                queue << QDir::cleanPath(QFileInfo(page).absolutePath() + "/" + path);
            }
        }
    }
    for (const QString& page : Pages()) {
        EXPECT_TRUE(reached.contains(QDir::cleanPath(page))) << page.toStdString();
    }
}

} // namespace
