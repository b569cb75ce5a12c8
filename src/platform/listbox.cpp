#include "platform/listbox.h"

#include <QMouseEvent>

#include <utility>

namespace platform {
namespace {

// Sets a flag for the length of one event.
class Flagged
{
public:
    explicit Flagged(bool &flag) : m_flag(flag), m_before(std::exchange(flag, true)) {}
    ~Flagged() { m_flag = m_before; }
    Flagged(const Flagged &) = delete;
    Flagged &operator=(const Flagged &) = delete;

private:
    bool &m_flag;
    bool m_before;
};

} // namespace

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
    Flagged user(m_userInput);
    QListWidget::mousePressEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent *event)
{
    Flagged user(m_userInput);
    QListWidget::mouseMoveEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent *event)
{
    Flagged user(m_userInput);
    QListWidget::mouseReleaseEvent(event);
    m_movedByPress = false;
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    Flagged user(m_userInput);
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
