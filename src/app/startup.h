#pragma once

#include <memory>
#include <thread>

namespace pairon {

class LanguageCatalogues;

// What the game does around the making of its QApplication. Make one first
// thing in main(), before the QApplication, and call ApplicationMade() right
// after it.
//
// Reading the system's font configuration is the largest single piece of
// work before the first paint, and nothing of it depends on the window
// system; it runs on a second thread while the QApplication connects to the
// display, and is done before the first widget measures its text.
class Startup {
public:
    Startup();
    ~Startup();
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

    // Names the application, puts the catalogues of the desktop's language
    // in use and waits for the font configuration.
    void ApplicationMade();

private:
    void WaitForFonts();

    std::thread fonts_;
    std::unique_ptr<LanguageCatalogues> languages_;
};

}  // namespace pairon
