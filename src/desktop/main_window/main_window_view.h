#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "desktop/main_window/game_timers.h"
#include "game/happenings.h"
#include "game/main_form.h"
#include "game/window_layout.h"

namespace pairon {

class BoardNavigator;
class ChoicesFile;
class DeckList;
class HelpWindow;
class PictureWidget;
class WindowZoom;

// The main window on screen. It holds no game state of its own: it builds its
// widgets from the layout table, forwards every widget event to the game's
// handler, and after each one brings the widgets up to date with the model.
class MainWindowView : public QWidget {
    Q_OBJECT
public:
    // `pictureFolder` is where the picture files lie, normally the folder of
    // the running executable. Runs the start-up selections, then those that
    // `choices` remembers, and shows their result; if a picture can't be
    // loaded, Failed() is true afterwards. `choices` keeps the setup at Done
    // and when the game ends; without it nothing is read or kept.
    MainWindowView(MainForm& form, QString pictureFolder, ChoicesFile* choices = nullptr, QWidget* parent = nullptr);
    ~MainWindowView() override;

    MainForm& Form() { return form_; }

    // The widget of a control of the layout, or nullptr. Builds the controls
    // that wait for the first paint, should they not be built yet.
    QWidget* Control(std::string_view name, int index = -1);

    // The help window while it exists.
    HelpWindow* Help() const;

    // How large the window shows its layout; the zoom keys.
    WindowZoom& Zoom() const { return *zoom_; }

    // The board as a stop of the keyboard focus order (after Help).
    BoardNavigator* Board() const { return board_; }

    // True once a picture file could not be loaded; the window then takes no
    // more events and the program ends with a non-zero status.
    bool Failed() const { return failed_; }
    const QString& FailureMessage() const { return failureMessage_; }

    // Runs one game event and brings the widgets up to date afterwards;
    // then tells every listener what the event did.
    void Handle(const std::function<void()>& event);

    // `listener` hears the happenings of every event from now on; it must
    // outlive the window or be removed first.
    void Listen(HappeningListener* listener);
    void StopListening(HappeningListener* listener);

    void cmdHelp_Click();

    // The game's timers; the computer's tick can be held back through them.
    GameTimers& Timers() { return timers_; }

    // The "Cards" list, which decides what each face shows.
    DeckList* Decks() const { return decks_; }

    // Shows every picture as drawn for a sharp screen (more than one pixel to
    // a point of the layout) or for a screen at 100 percent, reading the
    // loaded files again. The window does this itself when its screen's
    // scale changes.
    void ShowPicturesFor(bool sharp);
    // The same for the scale the window's zoom and screen ask for now.
    void RedrawPictures();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Bound {
        const ControlLayout* layout;
        QWidget* widget;
        ControlRef control;
        unsigned shownLoads = 0;  // the model's load count last shown
        bool pendingLoad = false;  // a load that waits until the slot is shown
        // The picture file and visibility a card slot's accessible name was
        // last made for.
        std::string namedFile{};
        QString namedFace{};
        bool namedVisible = false;
        bool named = false;
    };
    void BuildWidgets();
    void BuildControl(const ControlLayout& layout);
    // Builds the controls of the panels hidden at start-up.
    void BuildRemainingControls();
    // Stacking, label buddies and keyboard order of the controls built so far.
    void ArrangeControls();
    QWidget* FindBuilt(std::string_view name, int index = -1) const;
    QWidget* CreateWidget(const ControlLayout& layout, QWidget* parent);
    QWidget* CreateBareWidget(const ControlLayout& layout, QWidget* parent);
    void ConnectEvents(Bound& bound);
    void BuildBoardNavigator();
    void NameControl(Bound& bound);
    void NameCaptionedControls();
    void Sync();
    void SyncControl(Bound& bound);
    void SyncAccessibleText(Bound& bound);
    // Whether a shown panel listed before this one, in the same container,
    // lies over all of it.
    bool Covered(const Bound& panel) const;
    bool ShowPicture(Bound& bound, const Picture& picture);
    // Shows a picture of the chosen deck; false if there is none to show.
    bool ShowDeckPicture(PictureWidget& widget, const std::string& file);
    // True on a screen with more than one pixel to a point of the layout.
    bool SharpScreen() const;
    // Moves the keyboard focus to the outcome as it appears, when the focus
    // (as it was before the board emptied) was on the board or nowhere.
    void FocusOutcome(QWidget* focus);
    void Fail(const QString& path);

    MainForm& form_;
    QString pictureFolder_;
    ChoicesFile* choices_;
    std::vector<std::pair<QString, QPixmap>> picturesReadThisEvent_;
    std::vector<Bound> controls_;
    std::vector<HappeningListener*> listeners_;
    std::vector<const ControlLayout*> unbuilt_;
    bool remainderQueued_ = false;
    bool sharpPictures_ = false;  // the pictures shown are those for a sharp screen
    GameTimers timers_;
    QPointer<HelpWindow> help_;
    BoardNavigator* board_ = nullptr;
    DeckList* decks_ = nullptr;
    WindowZoom* zoom_ = nullptr;
    bool failed_ = false;
    bool syncing_ = false;
    bool outcomeShown_ = false;
    QString failureMessage_;
};

}  // namespace pairon
