#pragma once

#include "platform/form.h"

// The information window: what VEMTOR is, where to write, and the version history.
class VEMTINFO : public platform::Form
{
    Q_OBJECT

public:
    VEMTINFO();

private:
    void buildPictures();
    void buildTexts();
    void buildButton();

    void VEMTINFO_Command1_Click();
};
