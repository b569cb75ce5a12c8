#pragma once

#include "platform/noticewindow.h"

#include <QPointer>

// The course register's error window: the course to be saved has neither 9 nor 18
// complete holes. Loading it closes the register that showed it.
class FELINMAT : public platform::NoticeWindow
{
    Q_OBJECT

public:
    struct State
    {
        // The window that showed the error; closed when the error window loads.
        QPointer<platform::Form> opener;
    };

    explicit FELINMAT(State &state);

private:
    void formLoad() override { FELINMAT_Form_Load(); }

    void FELINMAT_Form_Load();

    State &m_state;
};
