#pragma once
// The About box: logo, product name, version with release date, notice line and OK.

#include "Agents.h"

#include <QDialog>

class QLabel;

class TAboutDialog : public QDialog, public IAboutView {
    Q_OBJECT

public:
    explicit TAboutDialog(QWidget* parent = nullptr);

    int ShowModal() override;
    // Fills the dialog once from the controller's facts.
    void SetController(IAboutController* controller) override;

    // The product's logo, shipped as a resource.
    static QPixmap Logo();

protected:
    // Esc answers as OK does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    IAboutController* m_controller = nullptr;
    QLabel* m_productName;
    QLabel* m_version;
    QLabel* m_copyright;
};
