#pragma once

#include "KivXmlDocument.h"
#include "SituationDscr.h"

using TSituationFile_Situations = TKivXmlCollection<TSituationDscr>;

// The catalogue of situation types.
class TSituationFile final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "SituationFile";
    const char* ElementName() const override { return kElementName; }

    void AssignNode(pugi::xml_node node) override {
        TKivXmlElement::AssignNode(node);
        ForEachRelatedChild(node, [this](pugi::xml_node child, const char* rel) {
            m_situations.LoadChild(child, rel);
        });
    }

    TSituationFile_Situations& Situations() { return m_situations; }
    const TSituationFile_Situations& Situations() const { return m_situations; }

private:
    friend class TKivXmlElement;
    explicit TSituationFile(TKivXmlElement* owner) : TKivXmlElement(owner) {}

    TSituationFile_Situations m_situations{this, "Situations"};
};
