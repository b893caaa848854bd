#pragma once
// The hourglass as Qt's application-wide override cursor, whose stack gives the nesting.

#include "Agents.h"

class TQtBusyCursor final : public IBusyCursor {
public:
    void Begin() override;
    void End() override;
};
