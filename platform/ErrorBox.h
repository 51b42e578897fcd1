#pragma once

#include <QString>
#include <functional>

// The error box's text for an exception message: a full stop is appended when the
// message's last character has a code above that of ".".
QString ErrorBoxText(const QString& message);

// Shows the error box: the text, the system's error icon and OK, modal.
void ShowErrorBox(const QString& message);

// Runs a handler of a button, box or list; any exception it raises ends it and is
// shown in the error box. Nothing escapes into Qt's event delivery.
void RunGuarded(const std::function<void()>& handler) noexcept;

// Seam: while a sink is set it receives the error box's text instead of a box.
using ErrorBoxSink = std::function<void(const QString& text)>;
void SetErrorBoxSink(ErrorBoxSink sink);
