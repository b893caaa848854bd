#pragma once

#include "KivXmlDocument.h"
#include "Scene.h"

using TPresentation_Scenes = TKivXmlCollection<TScene>;

// A named list of scenes; its text is the presentation's name.
class TPresentation final : public TKivXmlParent<TScene> {
public:
    static constexpr const char* kElementName = "Presentation";
    const char* ElementName() const override { return kElementName; }

    TPresentation_Scenes& Scenes() { return m_members; }
    const TPresentation_Scenes& Scenes() const { return m_members; }
    std::string Description() const { return GetAttribute("Description"); }
    void SetDescription(std::string_view value) { SetAttribute("Description", value); }

private:
    friend class TKivXmlElement;
    explicit TPresentation(TKivXmlElement* owner) : TKivXmlParent(owner, "Scenes") {}
};
