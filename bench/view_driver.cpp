#include "view_driver.h"

#include <cstdlib>
#include <cstring>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <map>

#include "board/board.h"
#include "game/game_rules.h"
#include "opponent/opponent.h"
#include "desktop/widgets/picture_widgets.h"

namespace pairon::bench {

namespace {

// Counts paint events, so that a step finished with a paint can show it did.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

PaintCounter& Counter() {
    static PaintCounter* counter = [] {
        auto* c = new PaintCounter;
        qApp->installEventFilter(c);
        return c;
    }();
    return *counter;
}

void Select(QWidget* widget, const std::string& text) {
    static_cast<QComboBox*>(widget)->setCurrentText(QString::fromStdString(text));
}

}  // namespace

BoardRun ParseBoardRun(int argc, char** argv, int defaultGames) {
    BoardRun run{defaultGames};
    for (int k = 1; k + 1 < argc; k += 2) {
        if (std::strcmp(argv[k], "--games") == 0) run.games = std::atoi(argv[k + 1]);
        if (std::strcmp(argv[k], "--width") == 0) run.width = std::atoi(argv[k + 1]);
        if (std::strcmp(argv[k], "--height") == 0) run.height = std::atoi(argv[k + 1]);
    }
    return run;
}

OffscreenApplication::Offscreen::Offscreen() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

OffscreenApplication::OffscreenApplication(int& argc, char** argv) : app_(argc, argv) { startup_.ApplicationMade(); }

const char* PaintName(Paint paint) {
    switch (paint) {
        case Paint::None: return "no paint";
        case Paint::Dirty: return "paint of the changes";
        case Paint::Whole: return "whole-window repaint";
    }
    return "";
}

ViewDriver::ViewDriver(std::uint64_t seed)
    : random_(seed), form_(random_), view_(form_, QCoreApplication::applicationDirPath()) {
    Counter();
    view_.show();
    QCoreApplication::processEvents();
}

void ViewDriver::ChooseSize(int width, int height) {
    Select(view_.Control("cmbWidth"), std::to_string(width));
    Select(view_.Control("cmbHeight"), std::to_string(height));
}

void ViewDriver::ChoosePlayers(int seats) { Select(view_.Control("cmbPlayers"), std::to_string(seats)); }

void ViewDriver::ChooseSeat(int seat, const std::string& type, const std::string& level) {
    Select(view_.Control("cmbPlayerType", seat), type);
    if (type == kComputerName) Select(view_.Control("cmbComputerLevel", seat), level);
}

void ViewDriver::Press(const char* button) { static_cast<QPushButton*>(view_.Control(button))->click(); }

void ViewDriver::ClickCard(int code) { emit static_cast<PictureWidget*>(view_.Control("imgCard", code))->clicked(); }

void ViewDriver::MouseClickCard(int code) {
    QTest::mouseClick(view_.Control("imgCard", code), Qt::LeftButton, {}, QPoint(10, 10));
}

void ViewDriver::ComputerTick() {
    view_.Handle([this] { tmrComputerDelay_Timer(form_); });
}

void ViewDriver::CardDelayTick() {
    view_.Handle([this] { tmrCardDelay_Timer(form_); });
}

int ViewDriver::Finish(Paint paint) {
    const int before = Counter().count;
    if (paint == Paint::Dirty) QCoreApplication::processEvents();
    if (paint == Paint::Whole) view_.repaint();
    return Counter().count - before;
}

std::vector<int> ViewDriver::BoardCodes() {
    std::vector<int> codes;
    const int width = BoardWidth(form_), height = BoardHeight(form_);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) codes.push_back(row * 10 + column);
    }
    return codes;
}

std::vector<int> ViewDriver::PairsInOrder() {
    const int width = BoardWidth(form_);
    std::map<int, std::vector<int>> byFace;
    std::vector<int> faces;
    for (int code : BoardCodes()) {
        const int face = form_.lstShuffled.Value(static_cast<std::size_t>(BoardIndex(code, width)));
        if (byFace[face].empty()) faces.push_back(face);
        byFace[face].push_back(code);
    }
    std::vector<int> order;
    for (int face : faces) {
        for (int code : byFace[face]) order.push_back(code);
    }
    return order;
}

}  // namespace pairon::bench
