#pragma once

#include "KivXmlDocument.h"
#include "SituationDscr.h"

using TSituationFile_Situations = TKivXmlCollection<TSituationDscr>;

// The catalogue of situation types.
class TSituationFile final : public TKivXmlParent<TSituationDscr> {
public:
    static constexpr const char* kElementName = "SituationFile";
    const char* ElementName() const override { return kElementName; }

    TSituationFile_Situations& Situations() { return m_members; }
    const TSituationFile_Situations& Situations() const { return m_members; }

private:
    friend class TKivXmlElement;
    explicit TSituationFile(TKivXmlElement* owner) : TKivXmlParent(owner, "Situations") {}
};
