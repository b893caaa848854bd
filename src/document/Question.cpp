#include "Question.h"

void TQuestion::AssignNode(pugi::xml_node node) {
    TKivXmlElement::AssignNode(node);
    ForEachRelatedChild(
        node, [this](pugi::xml_node child, const char* rel) { m_answers.LoadChild(child, rel); });
}

std::string TQuestion::AnswersText() const {
    std::string text;
    bool first = true;
    for (const TAnswer* answer : m_answers) {
        if (!first) {
            text.append(" & ");
        }
        text.append(answer->Text());
        first = false;
    }
    return text;
}
