#include "Question.h"

std::string TQuestion::AnswersText() const {
    std::string text;
    bool first = true;
    for (const TAnswer* answer : m_members) {
        if (!first) {
            text.append(" & ");
        }
        text.append(answer->Text());
        first = false;
    }
    return text;
}
