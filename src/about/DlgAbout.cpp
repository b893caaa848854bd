#include "DlgAbout.h"

#include "AboutTexts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QSize kClientSize(275, 161);
const int kLogoSize = 32;

QLabel* Label(const QString& name, int pixelSize, bool bold, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TAboutDialog::TAboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("AboutDialog"));
    setFixedSize(kClientSize);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(Logo());
    logo->setFixedSize(kLogoSize, kLogoSize);
    logo->setAccessibleName(QStringLiteral("Logo"));
    m_productName = Label(QStringLiteral("labProductName"), 32, true, this);
    m_version = Label(QStringLiteral("labVersion"), 11, false, this);
    m_copyright = Label(QStringLiteral("labCopyright"), 11, false, this);
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Bevel"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(2);
    layout->addWidget(logo);
    layout->addWidget(m_productName);
    layout->addWidget(m_version);
    layout->addWidget(m_copyright);
    layout->addStretch();
    layout->addWidget(line);
    layout->addLayout(buttons);
}

int TAboutDialog::ShowModal() {
    // Without an owner, Qt centres the dialog on the screen.
    return exec();
}

void TAboutDialog::SetController(IAboutController* controller) {
    m_controller = controller;
    setWindowTitle(AboutCaption(*controller));
    m_productName->setText(controller->GetProductName());
    m_version->setText(AboutVersionLine(*controller));
    m_copyright->setText(AboutNotice(*controller));
    setAccessibleName(windowTitle());
    // The designed size, or more where the desktop's font needs it to show every line.
    setFixedSize(kClientSize.expandedTo(layout()->totalMinimumSize()));
}

QPixmap TAboutDialog::Logo() {
    // Drawn at twice the size it is shown, so that it stays sharp on dense screens.
    QPixmap logo(QStringLiteral(":/about/logo.png"));
    logo.setDevicePixelRatio(static_cast<qreal>(logo.width()) / kLogoSize);
    return logo;
}

void TAboutDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
