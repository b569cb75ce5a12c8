#pragma once

#include "platform/form.h"

// VE_ABEND: the round register's error window for a round of neither 9 nor 18 holes.
class VE_ABEND : public platform::Form
{
    Q_OBJECT

public:
    VE_ABEND();

private:
    void VE_ABEND_Command1_Click();
};
