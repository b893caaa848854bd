#pragma once

#include "KivXmlDocument.h"

// A stored query. Its content is kept in the tree and written back as it was.
class TQuery final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "Query";
    const char* ElementName() const override { return kElementName; }

private:
    friend class TKivXmlElement;
    explicit TQuery(TKivXmlElement* owner) : TKivXmlElement(owner) {}
};
