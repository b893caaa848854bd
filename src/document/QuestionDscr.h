#pragma once

#include "AnswerDscr.h"
#include "KivXmlDocument.h"

using TQuestionDscr_Answers = TKivXmlCollection<TAnswerDscr>;

// A question of a situation type with its possible answers; its text is the question.
class TQuestionDscr final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "QuestionDscr";
    const char* ElementName() const override { return kElementName; }

    void AssignNode(pugi::xml_node node) override {
        TKivXmlElement::AssignNode(node);
        ForEachRelatedChild(node, [this](pugi::xml_node child, const char* rel) {
            m_answers.LoadChild(child, rel);
        });
    }

    TQuestionDscr_Answers& Answers() { return m_answers; }
    const TQuestionDscr_Answers& Answers() const { return m_answers; }

private:
    friend class TKivXmlElement;
    explicit TQuestionDscr(TKivXmlElement* owner) : TKivXmlElement(owner) {}

    TQuestionDscr_Answers m_answers{this, "Answers"};
};
