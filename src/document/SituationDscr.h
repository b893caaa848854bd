#pragma once

#include "KivXmlDocument.h"
#include "QuestionDscr.h"

using TSituationDscr_Questions = TKivXmlCollection<TQuestionDscr>;

// A situation type; its text is the type's name.
class TSituationDscr final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "SituationDscr";
    const char* ElementName() const override { return kElementName; }

    void AssignNode(pugi::xml_node node) override {
        TKivXmlElement::AssignNode(node);
        ForEachRelatedChild(node, [this](pugi::xml_node child, const char* rel) {
            m_questions.LoadChild(child, rel);
        });
    }

    TSituationDscr_Questions& Questions() { return m_questions; }
    const TSituationDscr_Questions& Questions() const { return m_questions; }

private:
    friend class TKivXmlElement;
    explicit TSituationDscr(TKivXmlElement* owner) : TKivXmlElement(owner) {}

    TSituationDscr_Questions m_questions{this, "Questions"};
};
