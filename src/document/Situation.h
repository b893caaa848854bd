#pragma once

#include "KivXmlDocument.h"
#include "Question.h"

class TTeam;

using TSituation_Questions = TKivXmlCollection<TQuestion>;

// A tagged stretch of a match video. Its text is the situation type (the clip type); the
// clip runs from the time of day of StartingTime to that of EndingTime.
class TSituation final : public TKivXmlParent<TQuestion> {
public:
    static constexpr const char* kElementName = "Situation";
    const char* ElementName() const override { return kElementName; }

    void AssignNode(pugi::xml_node node) override;

    TSituation_Questions& Questions() { return m_members; }
    const TSituation_Questions& Questions() const { return m_members; }

    // The team that "TeamId" names; none if absent or unknown. Throws if the identifier
    // names an element that is not a team.
    TTeam* Team() const;
    void SetTeam(const TTeam* team);
    double StartingTime() const { return GetDateTimeAttribute("StartingTime"); }
    void SetStartingTime(double value) { SetDateTimeAttribute("StartingTime", value); }
    double EndingTime() const { return GetDateTimeAttribute("EndingTime"); }
    void SetEndingTime(double value) { SetDateTimeAttribute("EndingTime", value); }

    // The CDATA of the "Note" child (consecutive sections read as one), else the text of
    // that child, else the older "Note" attribute.
    std::string Note() const;
    void SetNote(std::string_view text);

private:
    friend class TKivXmlElement;
    explicit TSituation(TKivXmlElement* owner) : TKivXmlParent(owner, "Questions") {}
};
