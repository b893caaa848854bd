#pragma once

#include "KivXmlDocument.h"
#include "Scene.h"

using TPresentation_Scenes = TKivXmlCollection<TScene>;

// A named list of scenes; its text is the presentation's name.
class TPresentation final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "Presentation";
    const char* ElementName() const override { return kElementName; }

    void AssignNode(pugi::xml_node node) override {
        TKivXmlElement::AssignNode(node);
        ForEachRelatedChild(node, [this](pugi::xml_node child, const char* rel) {
            m_scenes.LoadChild(child, rel);
        });
    }

    TPresentation_Scenes& Scenes() { return m_scenes; }
    const TPresentation_Scenes& Scenes() const { return m_scenes; }
    std::string Description() const { return GetAttribute("Description"); }
    void SetDescription(std::string_view value) { SetAttribute("Description", value); }

private:
    friend class TKivXmlElement;
    explicit TPresentation(TKivXmlElement* owner) : TKivXmlElement(owner) {}

    TPresentation_Scenes m_scenes{this, "Scenes"};
};
