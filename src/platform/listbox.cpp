#include "platform/listbox.h"

#include "platform/focusframe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>

#include <utility>

namespace platform {

namespace {

bool isMovingKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool isChoosingKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    // The style's frame is one pixel: a pixel more round the entries holds the focus frame.
    setViewportMargins(1, 1, 1, 1);
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

// The style marks the focus only by a faint line round the framed entry. The ring round the
// entries is the focus frame while the list has the focus, else the entries' own colour.
bool ListBox::event(QEvent *event)
{
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    if (event->type() == QEvent::Paint) {
        QPainter painter(this);
        const QRect ring = viewport()->geometry().adjusted(-1, -1, 1, 1);
        if (hasFocus()) {
            drawFocusFrame(painter, ring.adjusted(-1, -1, 1, 1));
        } else {
            painter.setPen(viewport()->palette().color(viewport()->backgroundRole()));
            painter.drawRect(ring.adjusted(0, 0, -1, -1));
        }
    }
    return handled;
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
    // Space and Enter choose the framed entry; Qt's own Space would select it without a
    // change of the current entry, so that no handler ran and no later key chose it.
    if (isChoosingKey(event->key())) {
        chooseFramed();
        event->accept();
        return;
    }
    const QScopedValueRollback user(m_userInput, true);
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    // An arrow, Page Up/Down, Home or End that stays on the framed entry chooses it, as the
    // list's only entry has nowhere else to go.
    if (isMovingKey(event->key()) && currentRow() == before)
        chooseFramed();
}

// The focus frames an entry without choosing it; choosing it runs the handler once. The
// entry already chosen runs nothing.
void ListBox::chooseFramed()
{
    const QListWidgetItem *current = currentItem();
    if (!current || current->isSelected())
        return;
    setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
    if (m_handler)
        m_handler();
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
