#pragma once

#include <QAbstractButton>
#include <QScrollBar>
#include <QString>
#include <QWidget>

// A window's controls driven by objectName, as the user's click or drag would.
inline void clickButton(QWidget *form, const char *name)
{
    form->findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
}

inline void setScrollBar(QWidget *form, const char *name, int value)
{
    form->findChild<QScrollBar *>(QString::fromLatin1(name))->setValue(value);
}
