#pragma once

#include <QCoreApplication>
#include <QTest>
#include <memory>

#include "game/main_form.h"
#include "game/random.h"
#include "desktop/main_window/main_window_view.h"
#include "desktop/widgets/picture_widgets.h"

namespace pairon {

// The real main window, offscreen, over a seeded game, with the pictures
// that the build drew beside the test program; it keeps its choices in
// `choices`, when given.
struct ViewFixture {
    explicit ViewFixture(std::uint64_t seed = 1, QString folder = QCoreApplication::applicationDirPath(),
                         ChoicesFile* choices = nullptr)
        : random(seed), form(random), view(form, folder, choices) {
        view.show();
    }

    QWidget* Control(std::string_view name, int index = -1) { return view.Control(name, index); }
    PictureWidget* Card(int p) { return static_cast<PictureWidget*>(Control("imgCard", p)); }
    void Press(std::string_view name) { QTest::mouseClick(Control(name), Qt::LeftButton); }
    void ClickCard(int p) { QTest::mouseClick(Card(p), Qt::LeftButton, {}, QPoint(10, 10)); }

    SeededRandom random;
    MainForm form;
    MainWindowView view;
};

}  // namespace pairon
