#include "platform/TEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {
constexpr QChar Backspace = QChar(8);

// The character a key press types, if it types one. Ctrl with a letter types the
// letter's control character, as it does in a Windows edit box.
bool typedCharacter(const QKeyEvent& event, QChar& key) {
    const bool control = event.modifiers() & Qt::ControlModifier;
    const bool alt = event.modifiers() & Qt::AltModifier;
    if (control && !alt && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        key = QChar(event.key() - Qt::Key_A + 1);
        return true;
    }
    if (event.key() == Qt::Key_Delete || event.text().isEmpty())
        return false;
    key = event.text().front();
    return true;
}
} // namespace

void TEdit::keyPressEvent(QKeyEvent* event) {
    QChar key;
    if (!OnKeyPress || !typedCharacter(*event, key)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar typed = key;
    OnKeyPress(this, key);
    event->accept();
    if (key.isNull())
        return;
    if (key == Backspace) {
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier,
                            QString(Backspace));
        QLineEdit::keyPressEvent(&backspace);
    } else if (key == typed) {
        // Passed on unchanged: the box acts on the key itself, so a Ctrl+C that
        // the handler lets through copies instead of typing its control character.
        QLineEdit::keyPressEvent(event);
    } else {
        insert(QString(key));
    }
}

void TEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!OnKeyPress || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString accepted;
    for (QChar typed : event->commitString()) {
        QChar key = typed;
        OnKeyPress(this, key);
        if (!key.isNull() && key != Backspace)
            accepted += key;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}
