// The real message boxes and file dialogs, driven as a user would drive them.

#include "QtUserQuestions.h"

#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using testsupport::WhenModal;

// The modal window as a T; anything else is a failure, closed so that the test goes on.
template <class T> T* Expected(QWidget* modal) {
    auto* window = qobject_cast<T*>(modal);
    if (!window) {
        ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    }
    return window;
}

TEST(QtUserQuestions, QuestionsShowTheirTextAndButtons) {
    struct TCase {
        TQuestionKind kind;
        TQuestionButtons buttons;
        QMessageBox::StandardButtons shown;
        QString title;
        // A button to click, or none to press Escape.
        QMessageBox::StandardButton click;
        TQuestionAnswer answer;
    };
    const TCase cases[] = {
        {TQuestionKind::Confirmation, TQuestionButtons::YesNoCancel,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, "Confirm", QMessageBox::No,
         TQuestionAnswer::No},
        {TQuestionKind::Confirmation, TQuestionButtons::YesNoCancel,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, "Confirm", QMessageBox::NoButton,
         TQuestionAnswer::Cancel},
        {TQuestionKind::Warning, TQuestionButtons::YesNo, QMessageBox::Yes | QMessageBox::No,
         "Warning", QMessageBox::Yes, TQuestionAnswer::Yes},
        {TQuestionKind::Confirmation, TQuestionButtons::YesNo, QMessageBox::Yes | QMessageBox::No,
         "Confirm", QMessageBox::NoButton, TQuestionAnswer::No},
        {TQuestionKind::Information, TQuestionButtons::Ok, QMessageBox::Ok, "Information",
         QMessageBox::NoButton, TQuestionAnswer::Ok},
    };
    const QString text = QStringLiteral("First line\n\r\n\rSecond \"line\"");
    for (const TCase& c : cases) {
        QString shownText;
        QString shownTitle;
        QMessageBox::StandardButtons shownButtons;
        WhenModal([&](QWidget* modal) {
            auto* box = Expected<QMessageBox>(modal);
            if (!box) {
                return;
            }
            shownText = box->text();
            shownTitle = box->windowTitle();
            shownButtons = box->standardButtons();
            if (c.click == QMessageBox::NoButton) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                box->button(c.click)->click();
            }
        });
        EXPECT_EQ(TQtUserQuestions().Ask(c.kind, text, c.buttons), c.answer);
        EXPECT_EQ(shownText, text);
        EXPECT_EQ(shownTitle, c.title);
        EXPECT_EQ(shownButtons, c.shown);
    }
}

TEST(QtUserQuestions, FileDialogsAnswerTheChosenFileOrNothing) {
    testsupport::TTempDir dir;
    const QString folder = QString::fromStdString(dir.Path());
    testsupport::WriteFile(dir.File("cup.vmi"), "x");

    QStringList filters;
    QString suffix;
    QString title;
    WhenModal([&](QWidget* modal) {
        auto* dialog = Expected<QFileDialog>(modal);
        if (!dialog) {
            return;
        }
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        title = dialog->windowTitle();
        static_cast<QDialog*>(dialog)->accept();
    });
    const QString filter =
        QStringLiteral("Velmora Media Index files (*.vmi)|*.vmi|Velmora Match files (*mch)|*.mch");
    EXPECT_EQ(TQtUserQuestions().OpenFileDialog("Open Velmora Media Index", filter, "vmi",
                                                folder + "/cup.vmi"),
              folder + "/cup.vmi");
    EXPECT_EQ(title, "Open Velmora Media Index");
    EXPECT_EQ(filters,
              QStringList({"Velmora Media Index files (*.vmi)", "Velmora Match files (*.mch)"}));
    EXPECT_EQ(suffix, "vmi");

    // A name typed without extension gets the default one.
    WhenModal([&](QWidget* modal) {
        auto* dialog = Expected<QFileDialog>(modal);
        if (!dialog) {
            return;
        }
        dialog->selectFile(folder + "/new");
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(TQtUserQuestions().SaveFileDialog("Save Velmora Media Index", filter, "vmi", ""),
              folder + "/new.vmi");

    // ... that of the kind of file chosen, where it names one extension.
    const QString kinds = QStringLiteral("WebM video (*.webm)|*.webm|MP4 video (*.mp4)|*.mp4");
    for (const auto& [kind, saved] : {std::pair{1, "/reel.mp4"}, std::pair{0, "/reel.webm"}}) {
        WhenModal([&, kind = kind](QWidget* modal) {
            auto* dialog = Expected<QFileDialog>(modal);
            auto* kindBox = dialog ? dialog->findChild<QComboBox*>("fileTypeCombo") : nullptr;
            if (!kindBox) {
                ADD_FAILURE() << "no file type box";
                return;
            }
            // As the user picks it: the keys choose, where setting the index would not.
            QTest::keyClick(kindBox, Qt::Key_Down);
            if (kind == 0) {
                QTest::keyClick(kindBox, Qt::Key_Up);
            }
            dialog->selectFile(folder + "/reel");
            static_cast<QDialog*>(dialog)->accept();
        });
        EXPECT_EQ(TQtUserQuestions().SaveFileDialog("Export", kinds, "webm", "").toStdString(),
                  (folder + saved).toStdString());
    }

    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(TQtUserQuestions().OpenFileDialog("", "", "", folder + "/cup.vmi"), "");
}

TEST(QtUserQuestions, FolderDialogOffersFoldersFromTheStartFolder) {
    testsupport::TTempDir dir;
    const QString folder = QString::fromStdString(dir.Path());
    QDir(folder).mkpath(QStringLiteral("clips"));

    QString title;
    QString shownFolder;
    bool foldersOnly = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = Expected<QFileDialog>(modal);
        if (!dialog) {
            return;
        }
        title = dialog->windowTitle();
        shownFolder = dialog->directory().absolutePath();
        foldersOnly = dialog->fileMode() == QFileDialog::Directory &&
                      dialog->testOption(QFileDialog::ShowDirsOnly);
        dialog->selectFile(folder + "/clips");
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(TQtUserQuestions().FolderDialog("Media Folder", folder), folder + "/clips");
    EXPECT_EQ(title, "Media Folder");
    EXPECT_EQ(shownFolder, folder);
    EXPECT_TRUE(foldersOnly);

    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(TQtUserQuestions().FolderDialog("Media Folder", ""), "");
}

TEST(QtUserQuestions, NameFiltersFromDescriptionsAndPatterns) {
    EXPECT_EQ(TQtUserQuestions::NameFilters("Velmora Media Index files (*.vmi)|*.vmi|"
                                            "Velmora Match files (*mch)|*.mch"),
              "Velmora Media Index files (*.vmi);;Velmora Match files (*.mch)");
    EXPECT_EQ(TQtUserQuestions::NameFilters("Videos|*.avi;*.mp4"), "Videos (*.avi *.mp4)");
    EXPECT_EQ(TQtUserQuestions::NameFilters(""), "");
}

} // namespace
