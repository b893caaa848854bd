#pragma once

#include "KivXmlDocument.h"

// A player in the team catalogue; its text is the player's name.
class TPlayerDscr final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "PlayerDscr";
    const char* ElementName() const override { return kElementName; }

private:
    friend class TKivXmlElement;
    explicit TPlayerDscr(TKivXmlElement* owner) : TKivXmlElement(owner) {}
};
