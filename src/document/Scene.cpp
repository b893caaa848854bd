#include "Scene.h"

#include "Situation.h"

TSituation* TScene::Situation() const {
    const std::string id = GetAttribute("SituationId");
    TKivXmlElement* element = id.empty() ? nullptr : GetDocument()->FindById(id);
    if (!element) {
        return nullptr;
    }
    auto* situation = dynamic_cast<TSituation*>(element);
    if (!situation) {
        throw std::runtime_error("Invalid type: \"SituationId\" of scene \"" + Id() +
                                 "\" names a " + element->ElementName() + ", not a Situation.");
    }
    return situation;
}

void TScene::SetSituation(const TSituation* situation) {
    if (situation) {
        SetAttribute("SituationId", situation->Id());
    }
}
