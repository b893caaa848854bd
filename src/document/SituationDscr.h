#pragma once

#include "KivXmlDocument.h"
#include "QuestionDscr.h"

using TSituationDscr_Questions = TKivXmlCollection<TQuestionDscr>;

// A situation type; its text is the type's name.
class TSituationDscr final : public TKivXmlParent<TQuestionDscr> {
public:
    static constexpr const char* kElementName = "SituationDscr";
    const char* ElementName() const override { return kElementName; }

    TSituationDscr_Questions& Questions() { return m_members; }
    const TSituationDscr_Questions& Questions() const { return m_members; }

private:
    friend class TKivXmlElement;
    explicit TSituationDscr(TKivXmlElement* owner) : TKivXmlParent(owner, "Questions") {}
};
