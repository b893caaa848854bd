#include "DlgOptions.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

const QSize kClientSize(392, 266);
const int kMediaFolderWidth = 209;

QPushButton* Button(const QString& caption, const QString& name, const QString& accessible,
                    QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessible);
    return button;
}

} // namespace

TOptionsDialog::TOptionsDialog(std::shared_ptr<IUserQuestions> questions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_questions(std::move(questions)) {
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("Options"));

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl"));
    pages->setAccessibleName(QStringLiteral("Options pages"));
    auto* media = new QWidget(pages);
    media->setObjectName(QStringLiteral("MediaPage"));
    pages->addTab(media, QStringLiteral("Media"));

    auto* label = new QLabel(QStringLiteral("Media Folder"), media);
    m_mediaFolder = new QLineEdit(media);
    m_mediaFolder->setObjectName(QStringLiteral("MediaFolder"));
    m_mediaFolder->setAccessibleName(QStringLiteral("Media Folder"));
    m_mediaFolder->setFixedWidth(kMediaFolderWidth);
    label->setBuddy(m_mediaFolder);
    QPushButton* browse =
        Button(QStringLiteral("&Browse ..."), QStringLiteral("SelectMediaFolderBtn"),
               QStringLiteral("Browse for the media folder"), media);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(label);
    row->addWidget(m_mediaFolder);
    row->addWidget(browse);
    row->addStretch();
    auto* page = new QVBoxLayout(media);
    page->addLayout(row);
    page->addStretch();

    QPushButton* ok =
        Button(QStringLiteral("&OK"), QStringLiteral("OKButton"), QStringLiteral("OK"), this);
    ok->setDefault(true);
    QPushButton* cancel = Button(QStringLiteral("&Cancel"), QStringLiteral("CancelButton"),
                                 QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    // The designed size, or more where the desktop's font needs it to keep the row apart.
    setFixedSize(kClientSize.expandedTo(layout->totalMinimumSize()));

    connect(browse, &QPushButton::clicked, this, &TOptionsDialog::Browse);
    connect(ok, &QPushButton::clicked, this, &TOptionsDialog::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TOptionsDialog::ShowModal() {
    if (QWidget* owner = QApplication::activeWindow(); owner && owner != this) {
        move(owner->frameGeometry().center() - rect().center());
    }
    m_error = nullptr;
    const int result = exec();
    if (m_error) {
        std::rethrow_exception(std::exchange(m_error, nullptr));
    }
    return result;
}

void TOptionsDialog::SetModel(std::shared_ptr<IOptionsModel> model) {
    m_model = std::move(model);
    m_mediaFolder->setText(m_model ? m_model->GetMediaFolder() : QString());
}

void TOptionsDialog::Browse() {
    const QString typed = m_mediaFolder->text();
    const QString start = !typed.isEmpty() && QFileInfo(typed).isDir() ? typed : QString();
    const QString chosen = m_questions->FolderDialog(QStringLiteral("Media Folder"), start);
    if (!chosen.isEmpty()) {
        m_mediaFolder->setText(chosen);
    }
}

void TOptionsDialog::Confirm() {
    try {
        if (m_model) {
            m_model->SetMediaFolder(m_mediaFolder->text());
        }
    } catch (...) {
        m_error = std::current_exception();
    }
    accept();
}
