#pragma once

#include <QAbstractButton>
#include <QListWidget>
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

// What a mouse click on an entry does: it becomes current, then the list reports the click.
inline void clickEntry(QListWidget *list, int row)
{
    list->setCurrentRow(row);
    emit list->itemClicked(list->item(row));
}
