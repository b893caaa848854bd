#include "CategorySelectionComboBox.h"

#include "Observing.h"

#include <QLineEdit>
#include <QSignalBlocker>

TCategorySelectionComboBox::TCategorySelectionComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(25);
    // A choice counts when an entry is picked or typed text is confirmed (Enter, or leaving
    // the box), not at every keystroke.
    connect(this, &QComboBox::activated, this, [this] { ApplyChoice(); });
    connect(lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (lineEdit()->isModified()) {
            lineEdit()->setModified(false);
            ApplyChoice();
        }
    });
}

TCategorySelectionComboBox::~TCategorySelectionComboBox() {
    StopObserving(m_definition, this);
}

void TCategorySelectionComboBox::SetDefinitionModel(
    std::shared_ptr<IQueryDefinitionModel> definition) {
    Observe(m_definition, std::move(definition), this);
}

void TCategorySelectionComboBox::DefinitionRebuilt(IQueryDefinitionModel& definition) {
    if (!m_definition) {
        return;
    }
    {
        const QSignalBlocker blocker(this);
        clear();
        addItem(DefaultText);
        for (int i = 0; i < definition.GetPropertyCount(); ++i) {
            addItem(definition.GetProperty(i)->GetName());
        }
        setCurrentIndex(0);
    }
    ApplyChoice();
}

void TCategorySelectionComboBox::CategoriesChanged(IQueryDefinitionModel& definition) {
    if (!m_definition) {
        return;
    }
    const QString category = Category(definition);
    const int position = category.isEmpty() ? 0 : findText(category, Qt::MatchExactly);
    if (position == currentIndex() && (position != -1 || currentText() == category)) {
        return;
    }
    // Showing the model's choice is no choice of the user's; what the user is typing stays.
    const QSignalBlocker blocker(this);
    // Typed text stays modified until it is confirmed, which applies it.
    const bool typing = lineEdit()->isModified();
    const QString typed = lineEdit()->text();
    setCurrentIndex(position);
    if (typing) {
        lineEdit()->setText(typed);
        lineEdit()->setModified(true);
    }
}

void TCategorySelectionComboBox::ApplyChoice() {
    if (!m_definition) {
        return;
    }
    const bool none = currentIndex() == 0 && currentText() == itemText(0);
    const QString category = none ? QString() : currentText();
    if (CategorizationPriority == TCategorizationPriority::cpPrimary) {
        m_definition->SetPrimaryCategory(category);
    } else {
        m_definition->SetSecondaryCategory(category);
    }
}

QString TCategorySelectionComboBox::Category(IQueryDefinitionModel& definition) const {
    return CategorizationPriority == TCategorizationPriority::cpPrimary
               ? definition.GetPrimaryCategory()
               : definition.GetSecondaryCategory();
}
