#include "platform/ErrorBox.h"

#include "platform/Exception.h"

#include <QApplication>
#include <QMessageBox>

namespace {
ErrorBoxSink& sink() {
    static ErrorBoxSink instance;
    return instance;
}
} // namespace

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void ShowErrorBox(const QString& message) {
    const QString text = ErrorBoxText(message);
    if (sink()) {
        sink()(text);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(), text);
}

void RunGuarded(const std::function<void()>& handler) noexcept {
    try {
        try {
            handler();
        } catch (const Exception& error) {
            ShowErrorBox(error.Message());
        } catch (const std::exception& error) {
            ShowErrorBox(QString::fromUtf8(error.what()));
        } catch (...) {
            ShowErrorBox(QStringLiteral("Unknown error"));
        }
    } catch (...) {
        // The box itself failed (no memory, no display): there is nobody left to tell.
    }
}

void SetErrorBoxSink(ErrorBoxSink newSink) {
    sink() = std::move(newSink);
}
