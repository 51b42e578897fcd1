#include "tests/app/MainWindowFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
struct Placement {
    const char* name;
    const char* parent;
    QRect geometry;
    QString caption;
    bool enabled = true;
};

// The designed layout: parent, left, top, width, height, caption or text, state
// after start.
const Placement layout[] = {
    {"Image1", "window", {0, -3, 600, 60}, {}},
    {"Panel1", "window", {0, 59, 600, 294}, {}},
    {"GroupBox12", "Panel1", {5, 71, 589, 218}, QStringLiteral("Vessel Data")},
    {"GroupBox11", "Panel1", {5, 3, 381, 62}, QStringLiteral("MMSI")},
    {"Panel2", "window", {0, 354, 600, 39}, {}},
    {"Label111", "GroupBox11", {35, 27, 53, 18}, QStringLiteral("MMSI : ")},
    {"Edit111", "GroupBox11", {94, 24, 121, 26}, {}},
    {"Button111", "GroupBox11", {259, 20, 109, 30}, QStringLiteral("Set"), false},
    {"Label121", "GroupBox12", {27, 39, 61, 18}, QStringLiteral("Callsign : ")},
    {"Edit121", "GroupBox12", {94, 36, 121, 26}, {}},
    {"Label122", "GroupBox12", {3, 79, 85, 18}, QStringLiteral("Ship Name : ")},
    {"Edit122", "GroupBox12", {94, 76, 270, 26}, {}},
    {"Label123", "GroupBox12", {8, 120, 80, 18}, QStringLiteral("Ship Type : ")},
    {"ComboBox123", "GroupBox12", {94, 116, 274, 26}, {}},
    {"Label131", "GroupBox12", {388, 39, 24, 18}, QStringLiteral("A : ")},
    {"Edit131", "GroupBox12", {412, 36, 41, 26}, {}},
    {"Label132", "GroupBox12", {388, 79, 24, 18}, QStringLiteral("B : ")},
    {"Edit132", "GroupBox12", {412, 76, 41, 26}, {}},
    {"Label133", "GroupBox12", {388, 119, 24, 18}, QStringLiteral("C : ")},
    {"Edit133", "GroupBox12", {412, 116, 41, 26}, {}},
    {"Label134", "GroupBox12", {388, 160, 25, 18}, QStringLiteral("D : ")},
    {"Edit134", "GroupBox12", {412, 156, 41, 26}, {}},
    {"Image13", "GroupBox12", {476, 36, 110, 145}, {}},
    {"Label135", "GroupBox12", {412, 193, 156, 18}, QStringLiteral("A=B=C=D=0 \u3000デフォルト")},
    {"Button122", "GroupBox12", {3, 180, 109, 30}, QStringLiteral("Clear")},
    {"Button123", "GroupBox12", {118, 180, 109, 30}, QStringLiteral("Read Data"), false},
    {"Button121", "GroupBox12", {259, 180, 109, 30}, QStringLiteral("Set"), false},
    {"Label1", "Panel2", {3, 9, 74, 18}, QStringLiteral("Serial Port :")},
    {"ComboBox1", "Panel2", {83, 5, 214, 26}, {}},
    {"Label2", "Panel2", {304, 9, 74, 18}, QStringLiteral("Baudrate : ")},
    {"ComboBox2", "Panel2", {384, 5, 91, 26}, QStringLiteral("38400")},
    {"Button1", "Panel2", {481, 5, 115, 26}, QStringLiteral("Connect")},
};

QString captionOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return group->title();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->currentText();
    return {};
}

QStringList rowsOf(const QComboBox* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->itemText(i);
    return rows;
}

class LayoutTest : public MainWindowTest {
protected:
    QWidget* parentControl(const char* name) {
        return QString::fromLatin1(name) == u"window" ? &form : Control(QString::fromLatin1(name));
    }
};

TEST_F(LayoutTest, EveryControlHasItsParentPlaceSizeCaptionAndState) {
    for (const Placement& placement : layout) {
        SCOPED_TRACE(placement.name);
        QWidget* control = Control(QString::fromLatin1(placement.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget(), parentControl(placement.parent));
        EXPECT_EQ(control->geometry(), placement.geometry);
        EXPECT_EQ(captionOf(control), placement.caption);
        EXPECT_EQ(control->isEnabled(), placement.enabled);
        EXPECT_TRUE(control->isVisible());
    }
}

TEST_F(LayoutTest, LayoutTableCoversEveryControl) {
    QStringList placed;
    for (const Placement& placement : layout)
        placed << QString::fromLatin1(placement.name);
    QStringList named = ControlNames();
    placed.sort();
    named.sort();
    EXPECT_EQ(placed, named);
}

TEST_F(LayoutTest, WindowHasItsCaptionAndClientArea) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorvane Ver 1.00"));
    EXPECT_EQ(form.size(), QSize(599, 394));
}

TEST_F(LayoutTest, ShipTypeListHoldsTheTwentyRowsWithNoneSelected) {
    const QStringList rows{
        QStringLiteral("30 : Vessel- Fishing"),
        QStringLiteral("31 : Vessel- Towing"),
        QStringLiteral("32 : Vessel- Towing (Length > 200m or Breadth > 25m)"),
        QStringLiteral("33 : Vessel- Engaged in dredging or underwater operations"),
        QStringLiteral("34 : Vessel- Engaged in diving operations"),
        QStringLiteral("35 : Vessel- Engaged in military operations"),
        QStringLiteral("36 : Vessel- Sailing"),
        QStringLiteral("37 : Vessel- Pleasure craft"),
        QStringLiteral("50 : Pilot vessel"),
        QStringLiteral("51 : Search and rescue vessels"),
        QStringLiteral("52 : Tags"),
        QStringLiteral("53 : Port trnders"),
        QStringLiteral("54 : Vessels with anti-pollution facilities or equipment"),
        QStringLiteral("55 : Law enforcement vessels"),
        QStringLiteral("58 : Medical transports"),
        QStringLiteral("59 : Ships  of States not parties to an armed conflict"),
        QStringLiteral("60 : Passenger ships"),
        QStringLiteral("70 : Cargo ships"),
        QStringLiteral("80 : Tanker(s)"),
        QStringLiteral("90 : Other types of ship"),
    };
    EXPECT_EQ(rowsOf(form.ComboBox123), rows);
    EXPECT_EQ(form.ComboBox123->currentIndex(), -1);
    EXPECT_FALSE(form.ComboBox123->isEditable());
}

TEST_F(LayoutTest, PortListIsEmptyAndTakesNoText) {
    EXPECT_EQ(form.ComboBox1->count(), 0);
    EXPECT_EQ(form.ComboBox1->currentIndex(), -1);
    EXPECT_FALSE(form.ComboBox1->isEditable());
}

TEST_F(LayoutTest, BaudRateBoxIsEditableWithItsRowsAnd38400Selected) {
    EXPECT_EQ(rowsOf(form.ComboBox2),
              (QStringList{QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("19200"),
                           QStringLiteral("38400"), QStringLiteral("115200")}));
    EXPECT_EQ(form.ComboBox2->currentIndex(), 3);
    EXPECT_TRUE(form.ComboBox2->isEditable());
}

TEST_F(LayoutTest, ListsOpenEightRowsAtATime) {
    for (QComboBox* list : {form.ComboBox123, form.ComboBox1, form.ComboBox2})
        EXPECT_EQ(list->maxVisibleItems(), 8);
}

struct FontUse {
    const char* name;
    int pixels;
    bool bold;
};

TEST_F(LayoutTest, ControlsUseTheirDesignedFonts) {
    const FontUse fonts[] = {
        {"Label111", 15, false},  {"Edit122", 15, false},   {"ComboBox123", 15, false},
        {"Button1", 15, false},   {"Button111", 21, true},  {"Button121", 21, true},
        {"Button122", 16, false}, {"Button123", 16, false}, {"Label135", 12, false},
    };
    for (const FontUse& use : fonts) {
        SCOPED_TRACE(use.name);
        const QFont font = Control(QString::fromLatin1(use.name))->font();
        EXPECT_EQ(font.pixelSize(), use.pixels);
        EXPECT_EQ(font.bold(), use.bold);
        EXPECT_EQ(font.families().front(), QString::fromLatin1(use.name) == u"Label135"
                                               ? QStringLiteral("Meiryo")
                                               : QStringLiteral("Tahoma"));
    }
}

TEST_F(LayoutTest, ResizingMovesNoControl) {
    QList<QRect> designed;
    for (const QString& name : ControlNames())
        designed << Control(name)->geometry();
    for (const QSize size : {QSize(1000, 800), QSize(300, 200)}) {
        form.resize(size);
        QList<QRect> now;
        for (const QString& name : ControlNames())
            now << Control(name)->geometry();
        EXPECT_EQ(now, designed);
    }
}
} // namespace
