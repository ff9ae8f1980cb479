// The start-up floor: an empty Qt Widgets window of the game window's size
// (792 x 573), shown and painted. It reports as bench-startup-game does.
//
//   --text     the same window with one line of text in the game's font, to
//              show what drawing any text at all costs (the font machinery)
//   --widgets  the same window with one of each kind of widget the game shows
//              at start-up, each with its text, and nothing else

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <cstring>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    pairon::bench::PrintStamp("main");
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    const bool widgets = argc > 1 && std::strcmp(argv[1], "--widgets") == 0;
    QApplication app(argc, argv);
    pairon::bench::PrintStamp("application");
    QWidget window;
    window.setFixedSize(792, 573);
    if (text || widgets) {
        QFont font;
        font.setFamily(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(8.25);
        window.setFont(font);
        auto* label = new QLabel(QStringLiteral("Player to Select Cards"), &window);
        label->setGeometry(16, 16, 160, 20);
    }
    if (widgets) {
        auto* panel = new QGroupBox(QStringLiteral("Dimensions"), &window);
        panel->setGeometry(16, 40, 145, 105);
        auto* list = new QComboBox(panel);
        list->addItems({"4", "6", "8", "10"});
        list->setGeometry(64, 32, 49, 21);
        auto* box = new QCheckBox(QStringLiteral("Multiple Pairs"), &window);
        box->setGeometry(16, 160, 121, 17);
        auto* slider = new QSlider(Qt::Horizontal, &window);
        slider->setRange(2, 8);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setGeometry(16, 190, 81, 25);
        auto* button = new QPushButton(QStringLiteral("New Game"), &window);
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
        button->setGeometry(16, 360, 81, 25);
    }
    pairon::bench::PrintStamp("window");
    pairon::bench::FirstPaint firstPaint(&window);
    window.show();
    pairon::bench::PrintStamp("shown");
    return QApplication::exec();
}
