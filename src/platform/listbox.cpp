#include "platform/listbox.h"

#include <QMouseEvent>
#include <QScopedValueRollback>

#include <utility>

namespace platform {

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::selectionMoved);
    connect(this, &QListWidget::itemClicked, this, &ListBox::entryClicked);
}

void ListBox::setClickHandler(ClickHandler handler)
{
    m_handler = std::move(handler);
}

QString ListBox::selectedText() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

int ListBox::selectedRow() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

QString ListBox::currentText() const
{
    const QListWidgetItem *item = currentItem();
    return item ? item->text() : QString();
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    m_movedByPress = false;
    const QScopedValueRollback user(m_userInput, true);
    QListWidget::mousePressEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent *event)
{
    const QScopedValueRollback user(m_userInput, true);
    QListWidget::mouseMoveEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QScopedValueRollback user(m_userInput, true);
    QListWidget::mouseReleaseEvent(event);
    m_movedByPress = false;
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const QScopedValueRollback user(m_userInput, true);
    QListWidget::keyPressEvent(event);
}

void ListBox::selectionMoved()
{
    if (!m_userInput || currentRow() < 0)
        return;
    m_movedByPress = true;
    if (m_handler)
        m_handler();
}

// A click whose press chose the entry has run the handler already; a click on the entry
// already chosen runs it now.
void ListBox::entryClicked()
{
    if (!m_movedByPress && currentRow() >= 0 && m_handler)
        m_handler();
}

} // namespace platform
