// Where the desktop window puts each control it shows, at 100 percent, for
// the browser edition's test to hold the page against:
//
//   pairon-desktop-places [--seed N] [--shots FOLDER]
//
// Writes JSON to standard output: for each state ("setup", "details",
// "board", "outcome") every shown control's rectangle in window pixels,
// {"name" or "name_index": [left, top, width, height]}. With --shots, a
// picture of the window in each state is saved there as desktop-STATE.png.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTextStream>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/startup.h"
#include "board/board.h"
#include "desktop/main_window/main_window_view.h"
#include "desktop/zoom/window_zoom.h"
#include "game/game_rules.h"
#include "game/main_form.h"
#include "game/random.h"
#include "game/window_layout.h"

namespace {

using pairon::MainForm;
using pairon::MainWindowView;

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// Every control of the layout the window shows now, where it shows it.
std::string Places(MainWindowView& view) {
    std::string out = "{";
    bool first = true;
    for (const pairon::ControlLayout& c : pairon::MainWindowLayout()) {
        if (c.kind == pairon::ControlKind::Timer) continue;
        QWidget* widget = view.Control(c.name, c.index);
        if (!widget || !widget->isVisibleTo(&view)) continue;
        const QPoint at = widget->mapTo(&view, QPoint(0, 0));
        const std::string id = c.index < 0 ? c.name : c.name + "_" + std::to_string(c.index);
        out += std::string(first ? "" : ",") + "\n  " + Quoted(id) + ": [" + std::to_string(at.x()) + ", " +
               std::to_string(at.y()) + ", " + std::to_string(widget->width()) + ", " +
               std::to_string(widget->height()) + "]";
        first = false;
    }
    return out + "}";
}

void Settle() {
    for (int k = 0; k < 3; ++k) QCoreApplication::processEvents();
}

void Press(MainWindowView& view, const char* button) {
    static_cast<QPushButton*>(view.Control(button))->click();
    Settle();
}

// Turns up every pair of the board, pair by pair, with the card delay's
// tick whenever the game waits for it.
void PlayToTheEnd(MainWindowView& view) {
    MainForm& form = view.Form();
    const int width = pairon::BoardWidth(form), height = pairon::BoardHeight(form);
    std::map<int, std::vector<int>> byFace;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const int code = row * 10 + column;
            byFace[form.lstShuffled.Value(static_cast<std::size_t>(pairon::BoardIndex(code, width)))].push_back(code);
        }
    }
    for (const auto& [face, codes] : byFace) {
        for (int code : codes) {
            view.Handle([&form, code] { pairon::imgCard_Click(form, code); });
            while (form.tmrCardDelay.enabled) view.Handle([&form] { pairon::tmrCardDelay_Timer(form); });
        }
    }
    Settle();
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    QString shots;
    for (int k = 1; k + 1 < argc; k += 2) {
        if (std::strcmp(argv[k], "--seed") == 0) seed = std::strtoull(argv[k + 1], nullptr, 10);
        if (std::strcmp(argv[k], "--shots") == 0) shots = QString::fromLocal8Bit(argv[k + 1]);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    pairon::Startup startup;
    QApplication app(argc, argv);
    startup.ApplicationMade();

    pairon::SeededRandom random(seed);
    MainForm form(random);
    // No choices file: the window opens at 100 percent with the start-up setup.
    MainWindowView view(form, QCoreApplication::applicationDirPath());
    view.show();
    Settle();
    if (view.Failed()) {
        std::fprintf(stderr, "%s\n", view.FailureMessage().toLocal8Bit().constData());
        return 1;
    }
    if (view.Zoom().Percent() != 100) {
        std::fprintf(stderr, "the window opened at %d percent, not 100\n", view.Zoom().Percent());
        return 1;
    }

    std::string out = "{";
    const auto record = [&](const char* state) {
        out += std::string(out.size() > 1 ? ",\n" : "\n") + Quoted(state) + ": " + Places(view);
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            view.grab().save(shots + "/desktop-" + state + ".png");
        }
    };
    record("setup");
    Press(view, "cmdNew");
    record("details");
    Press(view, "cmdDone");
    record("board");
    PlayToTheEnd(view);
    record("outcome");
    std::printf("%s\n}\n", out.c_str());
    return 0;
}
