#include "platform/MessageDlg.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
MessageDlgResponder& responder() {
    static MessageDlgResponder instance;
    return instance;
}

QMessageBox::StandardButton standardButton(TMsgDlgBtn button) {
    switch (button) {
    case mbYes:
        return QMessageBox::Yes;
    case mbNo:
        return QMessageBox::No;
    case mbOK:
        break;
    }
    return QMessageBox::Ok;
}

int modalResult(QAbstractButton* clicked, QMessageBox& box) {
    switch (box.standardButton(clicked)) {
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    case QMessageBox::Ok:
        return mrOk;
    default:
        return mrCancel;
    }
}

void addButton(QMessageBox& box, TMsgDlgBtn button, const QString& caption) {
    box.addButton(standardButton(button))->setText(caption);
}

int showDialog(const MessageDlgRequest& request) {
    const bool warning = request.type == TMsgDlgType::mtWarning;
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Information,
                    warning ? QStringLiteral("Warning") : QStringLiteral("Information"),
                    QString(request.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (request.buttons & mbOK)
        addButton(box, mbOK, QStringLiteral("OK"));
    if (request.buttons & mbYes)
        addButton(box, mbYes, QStringLiteral("&Yes"));
    if (request.buttons & mbNo)
        addButton(box, mbNo, QStringLiteral("&No"));
    box.setDefaultButton(standardButton(request.defaultButton));
    box.exec();
    return box.clickedButton() ? modalResult(box.clickedButton(), box) : mrCancel;
}
} // namespace

int MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int /*HelpCtx*/,
               TMsgDlgBtn DefaultButton) {
    const MessageDlgRequest request{Msg, DlgType, Buttons, DefaultButton};
    if (responder())
        return responder()(request);
    return showDialog(request);
}

void SetMessageDlgResponder(MessageDlgResponder newResponder) {
    responder() = std::move(newResponder);
}
