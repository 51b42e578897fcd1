#include "tests/shipdata/WindowFixture.h"

#include "platform/ErrorBox.h"

#include <QPushButton>

namespace {

QString Described(const MessageDlgRequest& request) {
    const QString kind = request.type == TMsgDlgType::mtWarning ? QStringLiteral("Warning")
                                                                : QStringLiteral("Information");
    const QString buttons =
        request.buttons == (mbYes | mbNo) ? QStringLiteral("Yes No") : QStringLiteral("OK");
    const QString defaultButton = request.defaultButton == mbNo    ? QStringLiteral("No")
                                  : request.defaultButton == mbYes ? QStringLiteral("Yes")
                                                                   : QStringLiteral("OK");
    return QStringLiteral("%1 [%2, default %3]: %4")
        .arg(kind, buttons, defaultButton, request.text);
}

MessageDlgRequest Request(TMsgDlgType type, TMsgDlgButtons buttons, TMsgDlgBtn defaultButton,
                          const QString& text) {
    return MessageDlgRequest{text, type, buttons, defaultButton};
}

} // namespace

QString Warning(const QString& text) {
    return Described(Request(TMsgDlgType::mtWarning, mbOK, mbOK, text));
}

QString Question(const QString& text) {
    return Described(Request(TMsgDlgType::mtWarning, mbYes | mbNo, mbNo, text));
}

QString Information(const QString& text) {
    return Described(Request(TMsgDlgType::mtInformation, mbOK, mbOK, text));
}

ShipDataWindow::ShipDataWindow()
    : port(new FakeComPort), form(std::unique_ptr<TComPort>(port)),
      answer([](const MessageDlgRequest&) { return int{mrOk}; }) {
    TComPortSettings settings = port->Settings();
    settings.Port = QStringLiteral("ttyFAKE0");
    port->SetSettings(settings);
    port->Open();
    for (QPushButton* button : {form.Button111, form.Button121, form.Button123}) {
        button->setEnabled(true);
    }
    SetMessageDlgResponder([this](const MessageDlgRequest& request) {
        dialogs << Described(request);
        return answer(request);
    });
    SetErrorBoxSink([this](const QString& text) { errors << text; });
}

ShipDataWindow::~ShipDataWindow() {
    SetMessageDlgResponder(nullptr);
    SetErrorBoxSink(nullptr);
}

void ShipDataWindow::AnswerInTurn(std::vector<int> results) {
    answer = [results = std::move(results), next = size_t{0}](const MessageDlgRequest&) mutable {
        return next < results.size() ? results[next++] : int{mrOk};
    };
}

void ShipDataWindow::Receive(const QByteArray& line) {
    port->Receive(line + "\r\n");
}
