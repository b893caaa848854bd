#include "CliQuery.h"

#include "Cli.h"
#include "LabelFormat.h"

namespace cli {

TQuery::TQuery(const std::string& path) : m_queryModel(TLabelFormat::Fixed()) {
    m_document.LoadFromFile(path);
    m_queryModel.SetDocument(&m_document);
    m_definition.AddObserver(&m_result);
    m_result.SetQueryModel(m_queryModel);
    m_definition.Rebuild(m_queryModel);
}

void TQuery::Select(const std::vector<std::string>& selections) {
    for (const std::string& selection : selections) {
        const std::size_t equals = selection.find('=');
        if (equals == std::string::npos) {
            throw EUsageError("--select needs PROPERTY=VALUE, not \"" + selection + "\"");
        }
        const QString property = QString::fromStdString(selection.substr(0, equals));
        const QString value = QString::fromStdString(selection.substr(equals + 1));
        if (!m_definition.FindProperty(property)) {
            throw std::runtime_error("No property \"" + property.toStdString() + "\".");
        }
        if (!m_definition.FindValue(property, value)) {
            throw std::runtime_error("No value \"" + value.toStdString() + "\" of property \"" +
                                     property.toStdString() + "\".");
        }
        m_definition.ToggleValue(property, value);
    }
}

void TQuery::SortBy(const std::vector<std::string>& captions) {
    for (const std::string& caption : captions) {
        m_result.SortBy(QString::fromStdString(caption));
    }
}

void TQuery::SetCategory(bool primary, const std::string& name) {
    const QString category = QString::fromStdString(name);
    if (!category.isEmpty() && !m_definition.FindProperty(category)) {
        throw std::runtime_error("No property \"" + name + "\".");
    }
    if (primary) {
        m_definition.SetPrimaryCategory(category);
    } else {
        m_definition.SetSecondaryCategory(category);
    }
}

} // namespace cli
