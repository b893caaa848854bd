#pragma once

#include "AnswerDscr.h"
#include "KivXmlDocument.h"

using TQuestionDscr_Answers = TKivXmlCollection<TAnswerDscr>;

// A question of a situation type with its possible answers; its text is the question.
class TQuestionDscr final : public TKivXmlParent<TAnswerDscr> {
public:
    static constexpr const char* kElementName = "QuestionDscr";
    const char* ElementName() const override { return kElementName; }

    TQuestionDscr_Answers& Answers() { return m_members; }
    const TQuestionDscr_Answers& Answers() const { return m_members; }

private:
    friend class TKivXmlElement;
    explicit TQuestionDscr(TKivXmlElement* owner) : TKivXmlParent(owner, "Answers") {}
};
