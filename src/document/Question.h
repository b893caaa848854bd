#pragma once

#include "Answer.h"
#include "KivXmlDocument.h"

// Members are loaded from the singular relation "Answer"; an "Answer" child under the
// plural "Answers" is not one of them.
using TQuestion_Answers = TKivXmlCollection<TAnswer>;

// A question asked about a situation; its text is the question.
class TQuestion final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "Question";
    const char* ElementName() const override { return kElementName; }
    void AssignNode(pugi::xml_node node) override;

    TQuestion_Answers& Answers() { return m_answers; }
    const TQuestion_Answers& Answers() const { return m_answers; }

    // The answers' texts in order, joined with " & ": the sort key and display text of a
    // question column.
    std::string AnswersText() const;

private:
    friend class TKivXmlElement;
    explicit TQuestion(TKivXmlElement* owner) : TKivXmlElement(owner) {}

    TQuestion_Answers m_answers{this, "Answer"};
};
