#pragma once

#include "KivXmlDocument.h"

class TSituation;

// One entry of a presentation, pointing at a situation; its text is the caption.
class TScene final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "Scene";
    const char* ElementName() const override { return kElementName; }

    // The situation that "SituationId" names; none if absent or unknown. Throws if the
    // identifier names an element that is not a situation.
    TSituation* Situation() const;
    void SetSituation(const TSituation* situation);

private:
    friend class TKivXmlElement;
    explicit TScene(TKivXmlElement* owner) : TKivXmlElement(owner) {}
};
