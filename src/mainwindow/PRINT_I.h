#pragma once

#include "platform/windowkit.h"
#include "store/tables.h"

// Stands where printing a scorecard would be: lists the registered courses and tells
// the user where a scorecard is printed instead.
class PRINT_I : public platform::KitWindow
{
    Q_OBJECT

public:
    struct State
    {
        store::Tables tables;
    };

    explicit PRINT_I(State &state);

private:
    void formLoad() override { PRINT_I_Form_Load(); }

    void PRINT_I_Form_Load();
    void PRINT_I_Command1_Click();

    State &m_state;
};
