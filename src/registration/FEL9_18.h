#pragma once

#include "platform/form.h"

// FEL9_18: the round register's error window for a played hole without strokes.
class FEL9_18 : public platform::Form
{
    Q_OBJECT

public:
    FEL9_18();

private:
    void FEL9_18_C_FEL918_Click();
};
