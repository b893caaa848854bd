#pragma once

#include "KivXmlDocument.h"

// A player of a match team; its text is the player's name.
class TPlayer final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "Player";
    const char* ElementName() const override { return kElementName; }

private:
    friend class TKivXmlElement;
    explicit TPlayer(TKivXmlElement* owner) : TKivXmlElement(owner) {}
};
