#include "app/Form1.h"

#include "codec/SequenceCounter.h"
#include "platform/ErrorBox.h"
#include "platform/SerialComPort.h"
#include "resources/Pictures.h"
#include "shipdata/ShipTypeRules.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <utility>

namespace {
QFont tahoma(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont meiryo(int pixels) {
    QFont font;
    font.setFamilies({QStringLiteral("Meiryo"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixels);
    return font;
}

QFrame* panel(QWidget* parent, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(1);
    frame->setGeometry(geometry);
    return frame;
}

QGroupBox* groupBox(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* box = new QGroupBox(caption, parent);
    box->setGeometry(geometry);
    return box;
}

QLabel* label(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* text = new QLabel(caption, parent);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(geometry);
    return text;
}

QLabel* picture(QWidget* parent, const QImage& image, const QPoint& topLeft) {
    auto* box = new QLabel(parent);
    box->setPixmap(QPixmap::fromImage(image));
    box->setGeometry(QRect(topLeft, image.size()));
    return box;
}

TEdit* edit(QWidget* parent, const QRect& geometry) {
    auto* box = new TEdit(parent);
    box->setGeometry(geometry);
    return box;
}

QPushButton* button(QWidget* parent, const QString& caption, const QRect& geometry,
                    const QFont& font) {
    auto* push = new QPushButton(caption, parent);
    push->setGeometry(geometry);
    push->setFont(font);
    push->setAutoDefault(false);
    push->setDefault(false);
    return push;
}

TComboBox* list(QWidget* parent, const QRect& geometry, const QStringList& rows, bool editable) {
    auto* box = new TComboBox(parent);
    box->setGeometry(geometry);
    box->setEditable(editable);
    box->setMaxVisibleItems(8);
    box->addItems(rows);
    box->setCurrentIndex(-1);
    return box;
}

// A label's caption without its trailing " : ", as a screen reader should say it.
QString spokenName(const QLabel* label) {
    QString name = label->text().trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

// Screen readers name each box and list after the label beside it (and find the
// label through its buddy, which is how Linux readers name an editable list);
// buttons go by their captions, and the group tells the two "Set" buttons apart.
void nameForScreenReaders(TForm1& form) {
    const std::pair<QWidget*, QLabel*> labelled[] = {
        {form.Edit111, form.Label111}, {form.Edit121, form.Label121},
        {form.Edit122, form.Label122}, {form.ComboBox123, form.Label123},
        {form.Edit131, form.Label131}, {form.Edit132, form.Label132},
        {form.Edit133, form.Label133}, {form.Edit134, form.Label134},
        {form.ComboBox1, form.Label1}, {form.ComboBox2, form.Label2},
    };
    for (const auto& [control, label] : labelled) {
        control->setAccessibleName(spokenName(label));
        label->setBuddy(control);
    }
    form.Button111->setAccessibleDescription(form.GroupBox11->title());
    form.Button121->setAccessibleDescription(form.GroupBox12->title());
}
} // namespace

TForm1::TForm1(std::unique_ptr<TComPort> port, QWidget* parent)
    : QWidget(parent), ComPort1(port ? std::move(port) : CreateSerialComPort()) {
    BuildLayout();
    WireHandlers();
    FormCreate(this);
}

TForm1::~TForm1() = default;

void TForm1::BuildLayout() {
    setWindowTitle(QStringLiteral("Form1"));
    setFont(tahoma(15));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    resize(599, 394);

    Image1 = picture(this, BannerPicture(), QPoint(0, -3));
    Panel1 = panel(this, QRect(0, 59, 600, 294));
    GroupBox12 = groupBox(Panel1, QStringLiteral("Vessel Data"), QRect(5, 71, 589, 218));
    GroupBox11 = groupBox(Panel1, QStringLiteral("MMSI"), QRect(5, 3, 381, 62));
    Panel2 = panel(this, QRect(0, 354, 600, 39));

    Label111 = label(GroupBox11, QStringLiteral("MMSI : "), QRect(35, 27, 53, 18));
    Edit111 = edit(GroupBox11, QRect(94, 24, 121, 26));
    Button111 =
        button(GroupBox11, QStringLiteral("Set"), QRect(259, 20, 109, 30), tahoma(21, true));

    Label121 = label(GroupBox12, QStringLiteral("Callsign : "), QRect(27, 39, 61, 18));
    Edit121 = edit(GroupBox12, QRect(94, 36, 121, 26));
    Label122 = label(GroupBox12, QStringLiteral("Ship Name : "), QRect(3, 79, 85, 18));
    Edit122 = edit(GroupBox12, QRect(94, 76, 270, 26));
    Label123 = label(GroupBox12, QStringLiteral("Ship Type : "), QRect(8, 120, 80, 18));
    ComboBox123 = list(GroupBox12, QRect(94, 116, 274, 26), ShipTypeRows, false);
    Label131 = label(GroupBox12, QStringLiteral("A : "), QRect(388, 39, 24, 18));
    Edit131 = edit(GroupBox12, QRect(412, 36, 41, 26));
    Label132 = label(GroupBox12, QStringLiteral("B : "), QRect(388, 79, 24, 18));
    Edit132 = edit(GroupBox12, QRect(412, 76, 41, 26));
    Label133 = label(GroupBox12, QStringLiteral("C : "), QRect(388, 119, 24, 18));
    Edit133 = edit(GroupBox12, QRect(412, 116, 41, 26));
    Label134 = label(GroupBox12, QStringLiteral("D : "), QRect(388, 160, 25, 18));
    Edit134 = edit(GroupBox12, QRect(412, 156, 41, 26));
    Image13 = picture(GroupBox12, AntennaDiagram(), QPoint(476, 36));
    Label135 =
        label(GroupBox12, QStringLiteral("A=B=C=D=0 \u3000デフォルト"), QRect(412, 193, 156, 18));
    Label135->setFont(meiryo(12));
    Button122 = button(GroupBox12, QStringLiteral("Clear"), QRect(3, 180, 109, 30), tahoma(16));
    Button123 =
        button(GroupBox12, QStringLiteral("Read Data"), QRect(118, 180, 109, 30), tahoma(16));
    Button121 =
        button(GroupBox12, QStringLiteral("Set"), QRect(259, 180, 109, 30), tahoma(21, true));

    Label1 = label(Panel2, QStringLiteral("Serial Port :"), QRect(3, 9, 74, 18));
    ComboBox1 = list(Panel2, QRect(83, 5, 214, 26), {}, false);
    Label2 = label(Panel2, QStringLiteral("Baudrate : "), QRect(304, 9, 74, 18));
    ComboBox2 = list(Panel2, QRect(384, 5, 91, 26),
                     {QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("19200"),
                      QStringLiteral("38400"), QStringLiteral("115200")},
                     true);
    ComboBox2->setCurrentIndex(3);
    Button1 = button(Panel2, QStringLiteral("Connect"), QRect(481, 5, 115, 26), tahoma(15));

    // Containers in their tab order, and the controls in theirs inside each.
    const QList<QWidget*> tabCycle{ComboBox123, Button121, Edit121, Edit122,   Edit131,
                                   Edit132,     Edit133,   Edit134, Button122, Button123,
                                   Button111,   Edit111,   Button1, ComboBox1, ComboBox2};
    for (qsizetype i = 1; i < tabCycle.size(); ++i)
        QWidget::setTabOrder(tabCycle[i - 1], tabCycle[i]);
    ComboBox123->setFocus();
    nameForScreenReaders(*this);
}

void TForm1::WireHandlers() {
    const auto onClick = [this](QPushButton* push, void (TForm1::*handler)(QObject*)) {
        connect(push, &QPushButton::clicked, this,
                [this, push, handler] { RunGuarded([&] { (this->*handler)(push); }); });
    };
    onClick(Button111, &TForm1::Button111Click);
    onClick(Button121, &TForm1::Button121Click);
    onClick(Button122, &TForm1::Button122Click);
    onClick(Button123, &TForm1::Button123Click);
    onClick(Button1, &TForm1::Button1Click);

    const auto onKeyPress = [this](TEdit* box, void (TForm1::*handler)(QObject*, QChar&)) {
        box->OnKeyPress = [this, handler](QObject* Sender, QChar& Key) {
            RunGuarded([&] { (this->*handler)(Sender, Key); });
        };
    };
    onKeyPress(Edit111, &TForm1::Edit111KeyPress);
    onKeyPress(Edit121, &TForm1::Edit121KeyPress);
    onKeyPress(Edit122, &TForm1::Edit122KeyPress);
    onKeyPress(Edit131, &TForm1::Edit131KeyPress);
    onKeyPress(Edit132, &TForm1::Edit132KeyPress);
    onKeyPress(Edit133, &TForm1::Edit133KeyPress);
    onKeyPress(Edit134, &TForm1::Edit134KeyPress);

    ComboBox1->OnDropDown = [this](QObject* Sender) {
        RunGuarded([&] { ComboBox1DropDown(Sender); });
    };
    ComboBox123->OnDropDown = [this](QObject* Sender) {
        RunGuarded([&] { ComboBox123DropDown(Sender); });
    };

    // The receive path shows nothing: a failure there ends that delivery alone.
    ComPort1->OnRxChar = [this](int Count) {
        try {
            ComPort1RxChar(nullptr, Count);
        } catch (...) {
        }
    };
}

void TForm1::FormCreate(QObject*) {
    SqId = 0;
    SqidS = QStringLiteral("0");
    setWindowTitle(QStringLiteral("Quorvane Ver 1.00"));
    Button111->setEnabled(false);
    Button121->setEnabled(false);
    Button123->setEnabled(false);
}

void TForm1::ComboBox123DropDown(QObject*) {
    ComboBox123->SetDroppedWidth(2 * ComboBox1->width());
}

void TForm1::DataClearSub() {
    for (TEdit* box : {Edit121, Edit122, Edit131, Edit132, Edit133, Edit134})
        box->clear();
    ComboBox123->setCurrentIndex(DefaultShipTypeRow);
}
