#pragma once

#include <QChar>
#include <QLineEdit>
#include <functional>

// A single-line edit box whose typed characters pass through OnKeyPress first.
// The handler may replace the character; the code 0 puts nothing into the box.
// Only typed characters are offered: text pasted through the context menu or set
// by the program is not. Ctrl+letter shortcuts arrive as their control
// characters (Ctrl+C as 3, Ctrl+V as 22, Ctrl+X as 24) and act only if passed on.
class TEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};
