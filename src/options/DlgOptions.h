#pragma once
// The Options dialog: the media folder on its "Media" page, with a folder browser.

#include "Agents.h"

#include <QDialog>

#include <exception>
#include <memory>

class QLineEdit;
class QPushButton;

class TOptionsDialog : public QDialog, public IOptionsView {
    Q_OBJECT

public:
    // The folder browser asks through questions.
    explicit TOptionsDialog(std::shared_ptr<IUserQuestions> questions, QWidget* parent = nullptr);

    // Centred on the active window. An error of storing the folder on OK closes the dialog
    // and leaves from here, never through the event loop.
    int ShowModal() override;
    void SetModel(std::shared_ptr<IOptionsModel> model) override;

private:
    void Browse();
    void Confirm();

    std::shared_ptr<IUserQuestions> m_questions;
    std::shared_ptr<IOptionsModel> m_model;
    QLineEdit* m_mediaFolder;
    std::exception_ptr m_error;
};
