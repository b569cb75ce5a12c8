#include "platform/keytextbox.h"

#include "platform/focusframe.h"
#include "store/cp1252.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace platform {
namespace {

constexpr int kBackspace = 8;
constexpr int kUnmappable = '?';

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool isPaste(QKeyEvent *event)
{
    return event->matches(QKeySequence::Paste) ||
           (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier);
}

// A printable character as a key press: what the box would otherwise insert itself.
bool isTypedCharacter(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    return text.at(0).isPrint() || text.at(0).isSurrogate();
}

// The paste entry of the box's standard menu: named "edit-paste" from Qt 6.5 on, known
// by its (translated) text before that.
QAction *pasteAction(QMenu *menu)
{
    if (auto *named = menu->findChild<QAction *>(QStringLiteral("edit-paste")))
        return named;
    const QString text = QLineEdit::tr("&Paste");
    const auto actions = menu->actions();
    for (QAction *action : actions) {
        if (action->text().section(u'\t', 0, 0) == text)
            return action;
    }
    return nullptr;
}

} // namespace

KeyTextBox::KeyTextBox(QWidget *parent) : QLineEdit(parent) {}

void KeyTextBox::setKeyHandler(KeyHandler handler)
{
    m_handler = std::move(handler);
}

void KeyTextBox::typeCode(int code)
{
    // A read-only box takes nothing, and its handler sees nothing either.
    if (isReadOnly())
        return;
    const int kept = m_handler ? m_handler(code) : code;
    if (kept == kBackspace)
        backspace();
    else if (kept >= 32 && kept <= 255)
        insert(QString(store::cp1252::charFromCode(kept)));
}

void KeyTextBox::typeText(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isLineBreak(c))
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        const int code = store::cp1252::codeFromChar(c);
        typeCode(code < 0 ? kUnmappable : code);
    }
}

void KeyTextBox::pasteThroughHandler()
{
    if (!isReadOnly())
        typeText(QGuiApplication::clipboard()->text());
}

void KeyTextBox::keyPressEvent(QKeyEvent *event)
{
    if (!m_handler || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Backspace && !(event->modifiers() & ~Qt::ShiftModifier))
        typeCode(kBackspace);
    else if (isPaste(event))
        pasteThroughHandler();
    else if (isTypedCharacter(event))
        typeText(event->text());
    else {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void KeyTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!m_handler || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The box still shows the composition; only the committed text goes through the handler.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    composing.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&composing);
    typeText(event->commitString());
    event->accept();
}

void KeyTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_handler) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction *paste = pasteAction(menu)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &KeyTextBox::pasteThroughHandler);
    }
    menu->popup(event->globalPos());
}

void KeyTextBox::dropEvent(QDropEvent *event)
{
    // Text moved within the box has passed the handler already.
    if (!m_handler || event->source() == this || !event->mimeData()->hasText() || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    typeText(event->mimeData()->text());
    event->acceptProposedAction();
    setFocus(Qt::MouseFocusReason);
}

// The blinking cursor alone shows the focus faintly: the frame lies over the box's edge.
void KeyTextBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    frameIfFocused(*this, rect());
}

} // namespace platform
