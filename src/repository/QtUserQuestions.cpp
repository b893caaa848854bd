#include "QtUserQuestions.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

namespace {

QString FileDialog(QFileDialog::AcceptMode mode, const QString& title, const QString& filter,
                   const QString& defaultExtension, const QString& fileName) {
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!filter.isEmpty()) {
        dialog.setNameFilters(TQtUserQuestions::NameFilters(filter).split(QStringLiteral(";;")));
    }
    dialog.setDefaultSuffix(defaultExtension);
    // A name typed without extension takes that of the kind of file chosen in the dialog.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, defaultExtension](const QString& chosen) {
            static const QRegularExpression single(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
            const QRegularExpressionMatch match = single.match(chosen);
            dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : defaultExtension);
        });
    if (!fileName.isEmpty()) {
        dialog.selectFile(fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().front();
}

} // namespace

TQuestionAnswer TQtUserQuestions::Ask(TQuestionKind kind, const QString& text,
                                      TQuestionButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    switch (kind) {
    case TQuestionKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QStringLiteral("Confirm"));
        break;
    case TQuestionKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(QStringLiteral("Warning"));
        break;
    case TQuestionKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle(QStringLiteral("Information"));
        break;
    }
    box.setText(text);
    switch (buttons) {
    case TQuestionButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case TQuestionButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case TQuestionButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return TQuestionAnswer::Ok;
    case QMessageBox::Yes:
        return TQuestionAnswer::Yes;
    case QMessageBox::No:
        return TQuestionAnswer::No;
    default:
        return buttons == TQuestionButtons::YesNo ? TQuestionAnswer::No : TQuestionAnswer::Cancel;
    }
}

QString TQtUserQuestions::OpenFileDialog(const QString& title, const QString& filter,
                                         const QString& defaultExtension, const QString& fileName) {
    return FileDialog(QFileDialog::AcceptOpen, title, filter, defaultExtension, fileName);
}

QString TQtUserQuestions::SaveFileDialog(const QString& title, const QString& filter,
                                         const QString& defaultExtension, const QString& fileName) {
    return FileDialog(QFileDialog::AcceptSave, title, filter, defaultExtension, fileName);
}

QString TQtUserQuestions::FolderDialog(const QString& title, const QString& startFolder) {
    // Application modal, so the other windows stay disabled while it is open.
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startFolder,
                                             QFileDialog::ShowDirsOnly);
}

QString TQtUserQuestions::NameFilters(const QString& filter) {
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(trailingPatterns);
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << description + QStringLiteral(" (") + patterns + u')';
    }
    return filters.join(QStringLiteral(";;"));
}
