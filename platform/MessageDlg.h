#pragma once

#include <QString>
#include <functional>

enum class TMsgDlgType { mtWarning, mtInformation };

enum TMsgDlgBtn { mbYes = 1, mbNo = 2, mbOK = 4 };
using TMsgDlgButtons = int; // a set of TMsgDlgBtn values

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// Shows a modal dialog over the active window and returns the button pressed;
// any other way of closing it returns a value other than mrYes. Window messages
// go on being processed while it is open.
int MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
               TMsgDlgBtn DefaultButton);

// What a dialog asks, as the seam hands it to a test.
struct MessageDlgRequest {
    QString text;
    TMsgDlgType type;
    TMsgDlgButtons buttons;
    TMsgDlgBtn defaultButton;
};

// Seam: while a responder is set it answers every dialog in place of the operator
// (and may process messages or decode replies meanwhile, as an open dialog does).
using MessageDlgResponder = std::function<int(const MessageDlgRequest&)>;
void SetMessageDlgResponder(MessageDlgResponder responder);
