#pragma once

#include "KivXmlDocument.h"

// An answer given to a situation's question; its text is the answer.
class TAnswer final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "Answer";
    const char* ElementName() const override { return kElementName; }

private:
    friend class TKivXmlElement;
    explicit TAnswer(TKivXmlElement* owner) : TKivXmlElement(owner) {}
};
