#pragma once

#include "KivXmlDocument.h"
#include "Situation.h"
#include "Team.h"

using TMatch_Situations = TKivXmlCollection<TSituation>;

// One match: its date and time, name, result, video file, teams and tagged situations.
class TMatch final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "Match";
    const char* ElementName() const override { return kElementName; }
    void AssignNode(pugi::xml_node node) override;

    TMatch_Situations& Situations() { return m_situations; }
    const TMatch_Situations& Situations() const { return m_situations; }
    TTeam* HomeTeam() const { return m_homeTeam; }
    TTeam* GuestTeam() const { return m_guestTeam; }

    double DateTime() const { return GetDateTimeAttribute("DateTime"); }
    void SetDateTime(double value) { SetDateTimeAttribute("DateTime", value); }
    std::string Name() const { return GetAttribute("Name"); }
    void SetName(std::string_view value) { SetAttribute("Name", value); }
    std::string Result() const { return GetAttribute("Result"); }
    void SetResult(std::string_view value) { SetAttribute("Result", value); }
    std::string VideoFilename() const { return GetAttribute("VideoFilename"); }
    void SetVideoFilename(std::string_view value) { SetAttribute("VideoFilename", value); }

protected:
    void CreateFixedChildren() override;

private:
    friend class TKivXmlElement;
    explicit TMatch(TKivXmlElement* owner) : TKivXmlElement(owner) {}

    TMatch_Situations m_situations{this, "Situations"};
    TTeam* m_homeTeam = nullptr;
    TTeam* m_guestTeam = nullptr;
};
