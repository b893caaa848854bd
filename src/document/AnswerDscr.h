#pragma once

#include "KivXmlDocument.h"

// An answer in the situation catalogue; its text is the answer.
class TAnswerDscr final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "AnswerDscr";
    const char* ElementName() const override { return kElementName; }

private:
    friend class TKivXmlElement;
    explicit TAnswerDscr(TKivXmlElement* owner) : TKivXmlElement(owner) {}
};
