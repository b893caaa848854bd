#pragma once

#include "Answer.h"
#include "KivXmlDocument.h"

// Members are loaded from the singular relation "Answer"; an "Answer" child under the
// plural "Answers" is not one of them.
using TQuestion_Answers = TKivXmlCollection<TAnswer>;

// A question asked about a situation; its text is the question.
class TQuestion final : public TKivXmlParent<TAnswer> {
public:
    static constexpr const char* kElementName = "Question";
    const char* ElementName() const override { return kElementName; }

    TQuestion_Answers& Answers() { return m_members; }
    const TQuestion_Answers& Answers() const { return m_members; }

    // The answers' texts in order, joined with " & ": the sort key and display text of a
    // question column.
    std::string AnswersText() const;

private:
    friend class TKivXmlElement;
    explicit TQuestion(TKivXmlElement* owner) : TKivXmlParent(owner, "Answer") {}
};
